// Bad input meets the window: a data file that breaks the format, a kept
// overview that cannot be read or kept, settings that cannot work. Each row
// says what the user is told, whether a page is shown, and every file the
// user had is byte for byte the same after the close.
#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "base/file_bytes.h"
#include "base/messages.h"
#include "base/text_encoding.h"
#include "test_support.h"
#include "window_doubles.h"

namespace mirelo::test {
namespace {

constexpr char kHeader[] = "1234567000001234510000000020210415\r\n";

std::string Header(std::string_view date) {
  return "12345670000012345100000000" + std::string(date) + "\r\n";
}

// Every regular file under the folder, by its path, with its bytes.
std::map<std::string, std::string> Snapshot(const std::filesystem::path& folder) {
  std::map<std::string, std::string> files;
  for (const auto& e : std::filesystem::recursive_directory_iterator(folder))
    if (e.is_regular_file()) files[e.path().string()] = ReadBytes(e.path());
  return files;
}

struct Row {
  const char* name = "";
  std::string survey{};
  std::function<void(KeptSurveyWindow&)> arrange{};  // before the start, beyond the survey
  std::string message{};                             // words of an information box, if any
  std::vector<std::string> errors{};                 // words the error boxes hold, in order
  bool pageShown = true;
  bool overviewInput = true;  // the input's button usable after the show
  bool firstCloseEnds = true;
  bool removedAfterStart = false;  // gone between the start-up test and the show
};

TEST(BadInputs, TheUserIsToldAndNothingTheUserHadChanges) {
  const std::string bigSurvey = std::string(kHeader) + std::string(kMaxReadBytes, 'x');
  const std::string longLine =
      std::string(kHeader) + "12345670000012345101010001" + std::string(60000, 'a') + "\r\n";
  const Row rows[] = {
      {.name = "an empty data file",
       .errors = {"データファイルが空です", "A001.txt"},
       .pageShown = false},
      {.name = "the header alone", .survey = kHeader},
      {.name = "a header of 33 characters",
       .survey = std::string(kHeader).substr(0, 33) + "\r\n",
       .errors = {"見出し行が34文字に足りません", "A001.txt"},
       .pageShown = false},
      {.name = "a survey date that is no calendar date",
       .survey = Header("20210230"),
       .errors = {"調査日が正しい日付ではありません", "A001.txt"},
       .pageShown = false},
      {.name = "a survey date that is not digits",
       .survey = Header("2021/4/1"),
       .errors = {"調査日が正しい日付ではありません"},
       .pageShown = false},
      {.name = "group and item columns that are not digits",
       .survey = std::string(kHeader) + "123456700000123451xxyy0001見守り\r\n"},
      {.name = "a line of 60,000 characters", .survey = longLine},
      {.name = "NUL bytes",
       .survey = std::string(kHeader) + "1234567000001234510101" + std::string(2, '\0') + "01a" +
                 std::string(1, '\0') + "b\r\n"},
      {.name = "bytes code page 932 does not have",
       .survey = std::string(kHeader) + "12345670000012345101010001\x81\xff\x85\x40\xa0\xfd\r\n"},
      {.name = "a data file over 4 MB",
       .survey = bigSurvey,
       .errors = {"データファイルが大きすぎます", "A001.txt"},
       .pageShown = false},
      {.name = "a data file removed after the start-up test",
       .survey = kHeader,
       .errors = {"データファイルを読み込めません", "A001.txt"},
       .pageShown = false,
       .removedAfterStart = true},
      {.name = "an insured-person number that is not ten digits",
       .survey = "1234567"
                 "A0001234X1"
                 "100000000"
                 "20210415\r\n",
       .message = "被保険者番号が10桁の数字ではありません"},
      {.name = "a kept overview over 4 MB",
       .survey = kHeader,
       .arrange = [](KeptSurveyWindow& w) { w.Keep(std::string(kMaxReadBytes + 1, 'a')); },
       .errors = {"概況ファイルが大きすぎます", "今回は概況の入力も保存もしません"},
       .overviewInput = false},
      {.name = "a folder in the kept overview's place",
       .survey = kHeader,
       .arrange = [](KeptSurveyWindow& w) { std::filesystem::create_directories(w.kept / "x"); },
       .errors = {"概況ファイルを読み込めません", "A001.txt", "今回は概況の入力も保存もしません"},
       .overviewInput = false},
      {.name = "an overview folder that cannot be made",
       .survey = kHeader,
       .arrange = [](KeptSurveyWindow& w) { WriteBytes(w.kept.parent_path(), "a file"); },
       .errors = {"概況を保存するフォルダを作成できません", "Gaikyo",
                  "概況ファイルに書き込めません"},
       .firstCloseEnds = false},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    KeptSurveyWindow w(row.survey);
    if (row.arrange) row.arrange(w);
    ASSERT_TRUE(w.logic.FormCreate(w.dir.path(), w.data.string()));
    if (row.removedAfterStart) std::filesystem::remove(w.data);
    const auto before = Snapshot(w.dir.path());

    w.logic.FormShow();
    EXPECT_EQ(w.view.drawn > 0, row.pageShown);
    for (ToolButton b : {ToolButton::PrintAll, ToolButton::PrintCurrent})
      EXPECT_EQ(w.view.Enabled(b), row.pageShown);
    // No page, or a kept overview that could not be read: nothing may be
    // typed that could not be kept.
    EXPECT_EQ(w.view.Enabled(ToolButton::Overview), row.pageShown && row.overviewInput);
    EXPECT_TRUE(w.view.Enabled(ToolButton::Settings));
    EXPECT_TRUE(w.view.Enabled(ToolButton::Close));
    if (!row.message.empty()) {
      ASSERT_FALSE(w.view.messages.empty());
      EXPECT_NE(w.view.messages.back().find(row.message), std::string::npos);
      EXPECT_NE(w.view.messages.back().find(w.data.string()), std::string::npos);
    }

    // A print asked for without a page prints nothing and thanks no one.
    w.logic.SpeedButton1Click();
    EXPECT_EQ(w.services.printers.jobs.size(), row.pageShown ? 1u : 0u);

    // The close: where the overview cannot be kept it stays open until the
    // user unchecks the save option.
    EXPECT_EQ(w.logic.FormClose(), row.firstCloseEnds);
    if (!row.firstCloseEnds) {
      w.view.saveOverview = false;
      EXPECT_TRUE(w.logic.FormClose());
    }

    std::string errors;
    for (const std::string& e : w.view.errors) errors += e + "\n";
    std::size_t at = 0;
    for (const std::string& words : row.errors) {
      at = errors.find(words, at);
      EXPECT_NE(at, std::string::npos) << words << " in\n" << errors;
      if (at == std::string::npos) break;
    }
    if (row.errors.empty()) {
      EXPECT_EQ(errors, "");
    } else if (!row.pageShown) {
      EXPECT_EQ(w.view.errors.size(), 2u);  // the show step's, said again at the print
    }

    auto after = Snapshot(w.dir.path());
    for (const auto& [path, bytes] : before) {
      ASSERT_TRUE(after.count(path)) << path;
      EXPECT_TRUE(after[path] == bytes) << path << " changed";
    }
    for (const auto& [path, bytes] : after)  // and no temporary file left behind
      EXPECT_EQ(path.find(".mirelo-"), std::string::npos) << path;
  }
}

TEST(BadInputs, SettingsThatCannotWorkAreRepairedInUseAndWrittenBackAsTheyWere) {
  KeptSurveyWindow w;
  const std::string ini =
      "[Gaikyou]\r\nSize=0\r\nLine=0\r\n[Bikou]\r\nSize=-9\r\nTabLen=1000\r\n"
      "[Waku]\r\nWidth=-5\r\n[Print]\r\nx_Bai=0\r\ny_Bai=-1\r\nx_offset=10000000\r\n"
      "y_offset=-1e300\r\n";  // written back in its own form, -1e+300
  WriteBytes(w.dir / "control.ini", ini);
  w.Show();
  EXPECT_EQ(w.view.drawn, 1);
  EXPECT_EQ(w.state.PageCount, 1);
  EXPECT_EQ(w.state.Boxes[3].LineList.size(), 1u);  // the item on one line, as with the defaults
  // Both boxes drawn at 1 point; the text lands on the page, where no
  // correction puts it.
  int onePoint = 0;
  for (const std::string& call : w.view.preview->canvas.Lines()) {
    if (call.find("\"op\":\"font\"") != std::string::npos)
      onePoint += call.find("\"size\":1,") != std::string::npos;
    EXPECT_EQ(call.find("\"size\":0,"), std::string::npos) << call;
    EXPECT_EQ(call.find("\"size\":-"), std::string::npos) << call;
    EXPECT_EQ(call.find("\"x\":-"), std::string::npos) << call;
  }
  EXPECT_EQ(onePoint, 1);  // box 3 only: box 2 holds no text
  ASSERT_TRUE(w.logic.FormClose());
  const std::string written = ReadBytes(w.dir / "control.ini");
  for (const char* kept : {"Size=0\r\n", "Line=0\r\n", "Size=-9\r\n", "TabLen=1000\r\n",
                           "Width=-5\r\n", "x_Bai=0\r\n", "y_Bai=-1\r\n", "x_offset=10000000\r\n"})
    EXPECT_NE(written.find(kept), std::string::npos) << kept << " in\n" << written;
}

// A settings file too large to read gives the defaults, and since it cannot
// be rewritten key by key either, it is kept whole; the close says so once
// and goes on.
// A settings file that is there but cannot be read (over the limit here; a
// file another program holds on Windows) is told at the start, the run uses
// the defaults, and the close leaves the file with the user's calibration.
TEST(BadInputs, ASettingsFileThatCannotBeReadIsToldAndLeftWhole) {
  KeptSurveyWindow w;
  const std::string ini = "[Gaikyou]\r\nLine=9\r\n" + std::string(kMaxReadBytes, ';') + "\r\n";
  WriteBytes(w.dir / "control.ini", ini);
  ASSERT_TRUE(w.logic.FormCreate(w.dir.path(), w.data.string()));
  w.logic.FormShow();
  EXPECT_EQ(w.state.Boxes[2].LinesPerPage, 6);  // the default
  ASSERT_EQ(w.view.errors.size(), 1u);
  EXPECT_NE(w.view.errors[0].find("設定ファイルを読み込めません"), std::string::npos);
  EXPECT_NE(w.view.errors[0].find(msg::kSettingsLeftAlone), std::string::npos);
  EXPECT_TRUE(w.logic.FormClose());
  EXPECT_EQ(w.view.errors.size(), 1u);  // nothing more to say at the close
  EXPECT_TRUE(ReadBytes(w.dir / "control.ini") == ini);
}

// The settings and the overview are saved each on its own: settings that
// cannot be written cost their own changes, told once a run, never the typed
// overview nor the close; an overview that cannot be kept keeps the window
// open; at the end of a session nothing waits for an answer.
TEST(BadInputs, TheCloseSavesTheOverviewWhateverBecameOfTheSettings) {
  struct Case {
    const char* name;
    bool settingsWritable, overviewWritable;
    CloseCause cause;
    bool closes;
    std::vector<std::string> boxWords;  // of the one error box; none: no box
  };
  const std::string settingsLost =
      std::string("control.ini に書き込めません.\r\n") + msg::kSettingsNotKept;
  const Case cases[] = {
      {"settings unwritable", false, true, CloseCause::User, true, {settingsLost}},
      {"both unwritable",
       false,
       false,
       CloseCause::User,
       false,
       {"概況ファイルに書き込めません", settingsLost}},
      {"overview unwritable",
       true,
       false,
       CloseCause::User,
       false,
       {"概況ファイルに書き込めません"}},
      {"both unwritable as the session ends", false, false, CloseCause::SessionEnd, true, {}},
      {"settings unwritable as the session ends", false, true, CloseCause::SessionEnd, true, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    KeptSurveyWindow w;
    w.Show();
    w.view.memoText = u"本人の様子\r\n二行目";
    // A folder in the file's place: no write can replace it, for any user.
    if (!c.settingsWritable) std::filesystem::create_directories(w.dir / "control.ini" / "x");
    if (!c.overviewWritable) std::filesystem::create_directories(w.kept / "x");

    EXPECT_EQ(w.logic.FormClose(c.cause), c.closes);
    if (c.boxWords.empty()) {
      EXPECT_TRUE(w.view.errors.empty()) << w.view.errors.front();
    } else {
      ASSERT_EQ(w.view.errors.size(), 1u);
      std::size_t at = 0;
      for (const std::string& words : c.boxWords) {
        at = w.view.errors[0].find(words, at);
        EXPECT_NE(at, std::string::npos) << words << " in\n" << w.view.errors[0];
      }
    }
    if (c.overviewWritable) {
      EXPECT_EQ(ReadBytes(w.kept), EncodeCp932(u"本人の様子\r\n二行目"));
    }
    if (c.settingsWritable) {
      EXPECT_NE(ReadBytes(w.dir / "control.ini").find("[Print]"), std::string::npos);
    }

    if (!c.closes) {
      // Closing again with the overview still unkept says so again; the
      // settings' loss, already told, is not.
      EXPECT_FALSE(w.logic.FormClose());
      ASSERT_EQ(w.view.errors.size(), 2u);
      EXPECT_EQ(w.view.errors[1].find("control.ini"), std::string::npos) << w.view.errors[1];
      w.view.saveOverview = false;
      EXPECT_TRUE(w.logic.FormClose());
      EXPECT_EQ(w.view.errors.size(), 2u);
    }
  }
}

}  // namespace
}  // namespace mirelo::test
