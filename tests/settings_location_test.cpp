// Where a run keeps its settings: beside the executable where the user may
// write there, else in the user's own copy, which starts from the shared
// file at its first write and is read in its place from then on; a file
// named on the command line as it is given.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "app/settings_location.h"
#include "base/messages.h"
#include "base/text_encoding.h"
#include "data/ini_file.h"
#include "test_support.h"
#include "window_doubles.h"

namespace mirelo::test {
namespace {

TEST(SettingsLocation, TheUsersCopyWhereTheExecutablesFolderCannotBeWritten) {
  struct Case {
    const char* name;
    bool iniOption, appDirWritable, userFolder, ownExists;
    const char* path;  // "ini", "shared" or "own"
    bool readsShared;  // the shared file is read until the own copy exists
  };
  const Case cases[] = {
      {"a writable folder", false, true, true, false, "shared", false},
      {"a folder the user may not write", false, false, true, false, "own", true},
      {"the user's copy made by an earlier run", false, false, true, true, "own", false},
      {"the copy stays the user's where the folder became writable", false, true, true, true, "own",
       false},
      {"no user folder named by the system", false, false, false, false, "shared", false},
      {"--ini, as given", true, false, true, true, "ini", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TempDir dir;
    const std::filesystem::path app = dir / "Program Files" / "Mirelo",
                                own = dir / "user" / "Mirelo";
    FakeSettingsPlaces places;
    places.appDirWritable = c.appDirWritable;
    if (c.userFolder) places.userFolder = own;
    if (c.ownExists) {
      std::filesystem::create_directories(own);
      WriteBytes(own / "control.ini", "");
    }
    const std::filesystem::path ini = dir / "mine.ini";
    const std::optional<std::string> option =
        c.iniOption ? std::optional<std::string>(ini.string()) : std::nullopt;
    const SettingsLocation at = ChooseSettingsFile(option, app, places);
    const std::string expected = c.path;
    EXPECT_EQ(at.path, expected == "ini"      ? ini
                       : expected == "shared" ? app / "control.ini"
                                              : own / "control.ini");
    EXPECT_EQ(at.sharedFile, c.readsShared ? std::optional(app / "control.ini") : std::nullopt);
  }
}

TEST(SettingsLocation, TheCopyReadsTheSharedFileUntilItsFirstWriteMakesIt) {
  TempDir dir;
  const std::filesystem::path shared = dir / "app" / "control.ini";
  const std::filesystem::path own = dir / "config" / "mirelo" / "control.ini";
  std::filesystem::create_directories(shared.parent_path());
  // A UTF-16LE shared file with a line the program never writes.
  const std::string sharedBytes =
      EncodeTextFile(u"; 事務所の設定\r\n[Print]\r\nx_Bai=0.997\r\n", TextEncoding::Utf16LE);
  WriteBytes(shared, sharedBytes);
  IniFile ini(own, Files(), shared);
  EXPECT_EQ(ini.ReadString(u"Print", u"x_Bai"), u"0.997");
  EXPECT_FALSE(std::filesystem::exists(own.parent_path()));

  ASSERT_TRUE(ini.WriteString(u"Print", u"y_Bai", u"1.002"));
  EXPECT_EQ(ReadBytes(own),
            EncodeTextFile(u"; 事務所の設定\r\n[Print]\r\nx_Bai=0.997\r\ny_Bai=1.002\r\n",
                           TextEncoding::Utf16LE));
  EXPECT_EQ(ReadBytes(shared), sharedBytes);
  // From now on the copy is what is read and written.
  WriteBytes(shared, "[Print]\r\nx_Bai=2\r\n");
  EXPECT_EQ(ini.ReadString(u"Print", u"x_Bai"), u"0.997");
  ASSERT_TRUE(ini.WriteString(u"Print", u"x_Bai", u"1"));
  EXPECT_EQ(ReadBytes(shared), "[Print]\r\nx_Bai=2\r\n");

  // Without a shared file the copy is a new file: code page 932, no mark.
  IniFile fresh(dir / "other" / "control.ini", Files(), dir / "none" / "control.ini");
  ASSERT_TRUE(fresh.WriteString(u"Waku", u"Width", u"10"));
  EXPECT_EQ(ReadBytes(dir / "other" / "control.ini"), "[Waku]\r\nWidth=10\r\n");

  // A copy whose folder cannot be made is not written; the shared file stays.
  WriteBytes(dir / "blocked", "a file in the folder's place");
  IniFile blocked(dir / "blocked" / "mirelo" / "control.ini", Files(), shared);
  EXPECT_FALSE(blocked.WriteString(u"Print", u"x_Bai", u"1"));
  EXPECT_EQ(ReadBytes(shared), "[Print]\r\nx_Bai=2\r\n");
}

// The whole way through the program: the first close writes the user's
// copy from the shared file, the next start reads the copy, and the shared
// file never changes; a copy that cannot be written is named in the box.
TEST(SettingsLocation, AWindowRunKeepsItsSettingsInTheUsersCopy) {
  TempDir dir;
  WriteBytes(dir / "survey.txt", Survey(1));
  std::filesystem::create_directory(dir / "Gaikyo");
  const std::filesystem::path app = dir / "app", own = dir / "config" / "mirelo";
  std::filesystem::create_directory(app);
  const std::string shared = "[PrintForm]\r\nTop=7\r\nLeft=8\r\n[Print]\r\nx_Bai=0.997\r\n";
  WriteBytes(app / "control.ini", shared);
  CommandLine line;
  line.dataPath = (dir / "survey.txt").string();

  auto run = [&](std::function<void(MainWindow&, FakeView&)> whileShown) {
    FakeServices platform;
    platform.appDir = app;
    platform.places.appDirWritable = false;
    platform.places.userFolder = own;
    platform.duringLoop = std::move(whileShown);
    EXPECT_EQ(RunWindowProgram(line, platform), 0);
  };
  run([](MainWindow&, FakeView& view) {
    EXPECT_EQ(view.position->left, 8);  // from the shared file
    view.position = WindowPosition{300, 200};
  });
  const std::string copy = ReadBytes(own / "control.ini");
  EXPECT_NE(copy.find("Top=200\r\nLeft=300\r\n"), std::string::npos) << copy;
  EXPECT_NE(copy.find("x_Bai=0.997\r\n"), std::string::npos) << copy;
  EXPECT_EQ(ReadBytes(app / "control.ini"), shared);

  run([](MainWindow&, FakeView& view) {
    EXPECT_EQ(view.position->left, 300);  // from the copy
    EXPECT_EQ(view.position->top, 200);
  });
  EXPECT_EQ(ReadBytes(app / "control.ini"), shared);

  // The copy in a place that refuses it: the box names the copy, the
  // window closes, the shared file stays.
  std::filesystem::remove_all(own);
  WriteBytes(own, "a file in the folder's place");
  FakeServices platform;
  platform.appDir = app;
  platform.places.appDirWritable = false;
  platform.places.userFolder = own / "sub";
  std::vector<std::string> errors;
  platform.duringLoop = [&](MainWindow& logic, FakeView& view) {
    EXPECT_TRUE(logic.FormClose());
    errors = view.errors;
  };
  EXPECT_EQ(RunWindowProgram(line, platform), 0);
  ASSERT_FALSE(errors.empty());
  EXPECT_EQ(errors[0], (own / "sub" / "control.ini").string() + " に書き込めません.\r\n" +
                           msg::kSettingsNotKept);
  EXPECT_EQ(ReadBytes(app / "control.ini"), shared);
}

}  // namespace
}  // namespace mirelo::test
