// The kept overview file: where it lives, how it is read, and loading it
// into the input field's text and box 2.
#include <gtest/gtest.h>

#include <sys/fsuid.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "data/overview_file.h"
#include "qt/qt_text_measurer.h"
#include "test_support.h"
#include "ui/overview_text.h"

namespace mirelo {
namespace {

namespace fs = std::filesystem;

using test::TempDir;

void WriteBytes(const fs::path& path, std::string_view bytes) {
  fs::create_directories(path.parent_path());
  test::WriteBytes(path, bytes);
}

TEST(OverviewFile, FolderAndPathBesideTheDataFile) {
  EXPECT_EQ(OverviewFolder("/data/nintei/A001.txt"), fs::path("/data/nintei/Gaikyo"));
  EXPECT_EQ(OverviewFilePath("/data/nintei/A001.txt"), fs::path("/data/nintei/Gaikyo/A001.txt"));
  EXPECT_EQ(OverviewFilePath("A001.txt"), fs::path("Gaikyo/A001.txt"));
}

TEST(OverviewFile, EveryLineBreakBecomesCrLf) {
  EXPECT_EQ(ToCrLf(u"a\nb\rc\r\nd\n"), u"a\r\nb\r\nc\r\nd\r\n");
  EXPECT_EQ(ToCrLf(u"\r\r\n\n"), u"\r\n\r\n\r\n");
}

TEST(OverviewFile, ReadByByteOrderMark) {
  TempDir dir;
  const fs::path file = dir.path() / "o.txt";
  EXPECT_FALSE(ReadOverviewFile(file));

  WriteBytes(file, "\xEF\xBB\xBF\xE4\xB8\x80\n\xE4\xBA\x8C\n");  // 一 LF 二 LF
  auto utf8 = ReadOverviewFile(file);
  ASSERT_TRUE(utf8);
  EXPECT_EQ(utf8->text, u"一\r\n二\r\n");
  EXPECT_EQ(utf8->encoding, TextEncoding::Utf8);

  WriteBytes(file, "\x8A\x54\x8B\xB5\r\x82\xA0");  // 概況 CR あ in code page 932
  auto cp932 = ReadOverviewFile(file);
  ASSERT_TRUE(cp932);
  EXPECT_EQ(cp932->text, u"概況\r\nあ");
  EXPECT_EQ(cp932->encoding, TextEncoding::Cp932);
}

// While it lives, the file accesses of this thread are checked as those of an
// unprivileged user: root opens a file whatever its permissions. Giving up
// the file-system user id takes root's file capabilities with it until it is
// set back. Nothing changes for a test run by another user.
class UnprivilegedFileAccess {
 public:
  static constexpr unsigned kNobody = 65534;
  UnprivilegedFileAccess() : root_(geteuid() == 0) {
    if (!root_) return;
    setfsgid(kNobody);
    setfsuid(kNobody);
  }
  ~UnprivilegedFileAccess() {
    if (!root_) return;
    setfsuid(0);
    setfsgid(0);
  }
  UnprivilegedFileAccess(const UnprivilegedFileAccess&) = delete;
  UnprivilegedFileAccess& operator=(const UnprivilegedFileAccess&) = delete;

  // setfsuid answers with the id in force; an invalid id changes nothing.
  bool Active() const {
    return !root_ || setfsuid(static_cast<uid_t>(-1)) == static_cast<int>(kNobody);
  }

 private:
  bool root_;
};

TEST(OverviewFile, UnreadableFileIsAnErrorNotAMissingFile) {
  TempDir dir;
  // The folder stays open to other users, so the file is seen to exist.
  fs::permissions(dir.path(), fs::perms::group_exec | fs::perms::others_exec,
                  fs::perm_options::add);
  const fs::path file = dir.path() / "o.txt";
  WriteBytes(file, "x");
  fs::permissions(file, fs::perms::none);

  UnprivilegedFileAccess unprivileged;
  ASSERT_TRUE(unprivileged.Active());
  try {
    ReadOverviewFile(file);
    ADD_FAILURE() << "read without an error";
  } catch (const OverviewFileError& e) {
    EXPECT_EQ(std::string(e.what()), "概況ファイルを読み込めません: " + file.string());
  }
}

TEST(OverviewFile, LoadSetsTheInputTextAndFillsBox2) {
  TempDir dir;
  MainState state;
  InitBoxTable(state.Boxes);
  SetDefaultBoxes(state.Boxes);
  state.ScreenPpm = {96 / 25.4, 96 / 25.4};
  state.DataFilePath = (dir.path() / "A001.txt").string();
  state.OverviewText = u"placeholder";
  qt::QtTextMeasurer preview(96);

  LoadOverviewText(state, preview);  // no file: nothing changes
  EXPECT_EQ(state.OverviewText, u"placeholder");
  EXPECT_FALSE(state.OverviewEncoding);
  EXPECT_TRUE(state.Boxes[2].LineList.empty());
  EXPECT_FALSE(fs::exists(OverviewFolder(state.DataFilePath)));

  // UTF-16LE with its mark: 一 LF 二 LF
  WriteBytes(OverviewFilePath(state.DataFilePath),
             std::string("\xFF\xFE\x00\x4E\x0A\x00\x8C\x4E\x0A\x00", 10));
  LoadOverviewText(state, preview);
  EXPECT_EQ(state.OverviewText, u"一\r\n二\r\n");
  EXPECT_EQ(state.OverviewEncoding, TextEncoding::Utf16LE);
  EXPECT_EQ(state.Boxes[2].LineList, (std::vector<std::u16string>{u"一", u"二"}));
}

}  // namespace
}  // namespace mirelo
