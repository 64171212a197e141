// The built executable's headless dump and error exits, run as a host
// program or a script would run them.
#include <filesystem>
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include <QJsonArray>
#include <QJsonObject>
#include <QJsonValue>

#include <gtest/gtest.h>

#include "app/command_line.h"
#include "app/version.h"
#include "base/format_message.h"
#include "base/messages.h"
#include "posix_test_support.h"
#include "qt_test_support.h"
#include "test_support.h"

namespace mirelo {
namespace {

using test::CountLines;
using test::ParseJsonObject;
using test::ReadBytes;
using test::RunProgram;
using test::RunResult;
using test::TempDir;
using test::WriteBytes;

// ---------------------------------------------------------------------------
// The executable, end to end.

const std::filesystem::path kSourceDir = MIRELO_SOURCE_DIR;
const std::string kWorkedExample =
    (kSourceDir / "tests" / "fixtures" / "worked-example.txt").string();
const std::string kMissingData = "読み込む対象のデータが見つかりません。 終了します。";

TEST(Executable, DumpsTheWorkedExampleWithTheGivenSettingsFile) {
  TempDir dir;
  const std::string ini =
      "[PrintForm]\r\nTop=40\r\n"
      "[Gaikyou]\r\nSize=11\r\nFont=\x82\x6C\x82\x72 "
      "\x82\x6F\x83\x53\x83\x56\x83\x62\x83\x4E\r\nLine=7\r\n"
      "[Bikou]\r\nFont=\r\nTabLen=12.5\r\n"
      "[Hozon]\r\noption=0\r\n"
      "[Waku]\r\nWidth=0x10\r\n"
      "[Print]\r\nx_Bai=0.997\r\ny_offset=-0.3\r\nsw5=1\r\n";
  WriteBytes(dir / "control.ini", ini);

  RunResult r = RunProgram(
      {"--dump-layout", "--ini", (dir / "control.ini").string(), kWorkedExample}, dir.path());
  ASSERT_EQ(r.status, 0) << r.err;
  const QJsonObject j = ParseJsonObject(r.out);

  EXPECT_EQ(j["InsuredPersonNumber"], QJsonValue("0000012345"));
  EXPECT_EQ(j["SurveyDateText"], QJsonValue("2021/04/15"));
  const std::string key = "123456700000123451";
  const std::vector<std::string> items = {
      key + "0000000020210415",
      key + "01010001右上肢に軽い麻痺がある。左上肢は問題ない。",
      key + "01070001歩行時に杖を使う。[改行]　",
      key + "02040001食事は[改行]見守りで自立。[改行]　",
      key + "05020001服薬は家族が管理している。",
  };
  ASSERT_TRUE(j["ItemList"].isArray());
  std::vector<std::string> got;
  for (const QJsonValue& item : j["ItemList"].toArray())
    got.push_back(item.toString().toStdString());
  EXPECT_EQ(got, items);

  // Compared as JSON values, so that a number is not taken for a string, nor
  // a missing key for null, false or 0.
  const std::pair<const char*, QJsonValue> settings[] = {
      {"PrintForm.Top", 40},   {"PrintForm.Left", QJsonValue::Null},
      {"Gaikyou.Size", 11},    {"Gaikyou.Font", "ＭＳ Ｐゴシック"},
      {"Gaikyou.Line", 7},     {"Bikou.Size", 9},
      {"Bikou.Font", ""},      {"Bikou.TabLen", 12.5},
      {"Hozon.option", false}, {"Waku.Width", 16},
      {"Print.x_Bai", 0.997},  {"Print.y_Bai", 1},
      {"Print.x_offset", 0},   {"Print.y_offset", -0.3},
      {"Print.sw5", true},
  };
  const QJsonObject s = j["settings"].toObject();
  for (const auto& [name, value] : settings) EXPECT_EQ(s[name], value) << name;

  // The dump writes no file.
  EXPECT_EQ(ReadBytes(dir / "control.ini"), ini);
  EXPECT_EQ(dir.Entries(), std::set<std::string>{"control.ini"});
}

TEST(Executable, TakesADataPathThatLooksLikeAnOption) {
  TempDir dir;
  std::filesystem::copy_file(kWorkedExample, dir / "-survey.txt");
  std::filesystem::copy_file(kWorkedExample, dir / "--survey.txt");
  WriteBytes(dir / "control.ini", "");
  for (const std::vector<std::string>& args :
       {std::vector<std::string>{"--dump-layout", "--ini", "control.ini", "-survey.txt"},
        std::vector<std::string>{"--dump-layout", "--ini", "control.ini", "--", "--survey.txt"}}) {
    SCOPED_TRACE(args.back());
    RunResult r = RunProgram(args, dir.path());
    ASSERT_EQ(r.status, 0) << r.err;
    const QJsonObject j = ParseJsonObject(r.out);
    EXPECT_EQ(j["InsuredPersonNumber"], QJsonValue("0000012345"));
    EXPECT_EQ(j["ItemList"].toArray().size(), 5);
    EXPECT_EQ(j["settings"]["Print.sw5"], QJsonValue(false));  // empty settings file: the defaults
    EXPECT_EQ(j["settings"]["Gaikyou.Line"], QJsonValue(6));
  }
}

// Pages without the user's calibration would be wrong on paper: a settings
// file that is there but cannot be read ends a headless run.
TEST(Executable, ASettingsFileThatCannotBeReadEndsAHeadlessRun) {
  TempDir dir;
  std::filesystem::create_directory(dir / "control.ini");
  RunResult r = RunProgram({"--dump-layout", "--ini", "control.ini", kWorkedExample}, dir.path());
  EXPECT_EQ(r.status, 2);
  EXPECT_EQ(r.out, "");
  EXPECT_EQ(r.err, mirelo::FormatMessage(mirelo::msg::kSettingsUnreadable, "control.ini") + "\n");
  EXPECT_TRUE(std::filesystem::is_directory(dir / "control.ini"));
}

TEST(Executable, BadDataEndsWithOneLineOnStandardErrorAndStatus2) {
  TempDir dir;
  const std::string key = "123456700000123451";
  WriteBytes(dir / "empty.txt", "");
  WriteBytes(dir / "short.txt", key + std::string("0000000020210415").substr(0, 15) + "\r\n");
  WriteBytes(dir / "date.txt", key + "0000000020210230\r\n");
  std::filesystem::create_directory(dir / "folder.txt");
  const std::string ini = (dir / "control.ini").string();

  struct Case {
    std::string dataPath;
    std::string message;  // part of the one line
  } cases[] = {
      {(dir / "absent.txt").string(), kMissingData},
      {(dir / "folder.txt").string(), kMissingData},
      {(dir / "empty.txt").string(), (dir / "empty.txt").string()},
      {(dir / "short.txt").string(), (dir / "short.txt").string()},
      {(dir / "date.txt").string(), (dir / "date.txt").string()},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.dataPath);
    RunResult r = RunProgram({"--dump-layout", "--ini", ini, c.dataPath}, dir.path());
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(CountLines(r.err), 1u) << r.err;
    EXPECT_NE(r.err.find(c.message), std::string::npos) << r.err;
    // Nothing creates the settings file on the way out.
    EXPECT_FALSE(std::filesystem::exists(ini));
  }
}

TEST(Executable, HelpAndMissingArguments) {
  TempDir dir;
  RunResult help = RunProgram({"--help"}, dir.path());
  EXPECT_EQ(help.status, 0);
  EXPECT_NE(help.out.find("--dump-layout"), std::string::npos) << help.out;
  EXPECT_NE(help.out.find("DATAFILE"), std::string::npos) << help.out;
  EXPECT_NE(help.out.find("--version"), std::string::npos) << help.out;

  // One line: the name and the version the build was made with.
  RunResult version = RunProgram({"--version"}, dir.path());
  EXPECT_EQ(version.status, 0);
  EXPECT_EQ(version.err, "");
  EXPECT_EQ(version.out, VersionLine() + "\n");
  EXPECT_EQ(version.out.rfind("Mirelo ", 0), 0u) << version.out;

  // A host program that lost its argument gets the missing-data message.
  RunResult none = RunProgram({}, dir.path());
  EXPECT_EQ(none.status, 2);
  EXPECT_EQ(none.out, "");
  EXPECT_NE(none.err.find(kMissingData), std::string::npos) << none.err;

  RunResult bogus = RunProgram({"--bogus", kWorkedExample}, dir.path());
  EXPECT_EQ(bogus.status, 2);
  EXPECT_EQ(bogus.out, "");
  EXPECT_NE(bogus.err.find("--bogus"), std::string::npos) << bogus.err;
  EXPECT_EQ(CountLines(bogus.err), 1u) << bogus.err;

  EXPECT_EQ(dir.Entries(), std::set<std::string>{});
}

}  // namespace
}  // namespace mirelo
