// The overview input on the main window, without a window: opening and
// closing it, the folder and file kept beside the data file, and saving at
// close without losing what the user typed or had.
#include <gtest/gtest.h>

#include <string>

#include "base/text_encoding.h"
#include "data/ini_file.h"
#include "test_support.h"
#include "ui/main_window.h"
#include "window_doubles.h"

namespace mirelo::test {
namespace {

using Window = KeptSurveyWindow;

const std::u16string kPlaceholder = u"概況をここに入力";

TEST(OverviewInput, OpeningSelectsThePlaceholderAndLocksPrintingUntilItCloses) {
  struct Case {
    std::u16string text;
    bool selectsAll;
  };
  for (const Case& c : {Case{kPlaceholder, true}, Case{kPlaceholder + u"\r\n二行目", true},
                        Case{u"独居。", false}, Case{u"", false}}) {
    Window w;
    w.Show();
    w.view.memoText = c.text;
    w.logic.SpeedButton5Click();
    EXPECT_EQ(w.view.captions[ToolButton::Overview], "概況閉じる");
    EXPECT_TRUE(w.view.memoVisible);
    EXPECT_EQ(w.view.memoFocusSelectsAll, c.selectsAll);
    for (ToolButton b : {ToolButton::PrintAll, ToolButton::PrintCurrent, ToolButton::Previous,
                         ToolButton::Next, ToolButton::Settings})
      EXPECT_FALSE(w.view.Enabled(b));
    EXPECT_TRUE(w.view.Enabled(ToolButton::Close));
  }
}

TEST(OverviewInput, ClosingWrapsTheTextIntoBoxTwoAndUnlocksBothPageButtons) {
  Window w;
  w.Show();
  const int drawn = w.view.drawn;
  w.logic.SpeedButton5Click();
  w.view.memoText = u"一行目\r\n二行目";
  w.logic.SpeedButton5Click();
  EXPECT_EQ(w.view.captions[ToolButton::Overview], "概況入力");
  EXPECT_FALSE(w.view.memoVisible);
  EXPECT_EQ(w.Box2(), u"一行目|二行目|");
  EXPECT_EQ(w.state.PageCount, 1);
  EXPECT_EQ(w.view.drawn, drawn + 1);
  for (ToolButton b : {ToolButton::PrintAll, ToolButton::PrintCurrent, ToolButton::Previous,
                       ToolButton::Next, ToolButton::Settings})
    EXPECT_TRUE(w.view.Enabled(b));

  // Unchanged, the placeholder goes into the box like any text; empty
  // leaves the box empty.
  w.logic.SpeedButton5Click();
  w.view.memoText = u"";
  w.logic.SpeedButton5Click();
  EXPECT_EQ(w.Box2(), u"");
}

TEST(OverviewInput, FirstShowingMakesTheFolderOnceAndLoadsOnlyWithTheSaveOption) {
  for (bool option : {true, false}) {
    SCOPED_TRACE(option);
    Window w;
    WriteBytes(w.dir / "control.ini", option ? "" : "[Hozon]\r\noption=0\r\n");
    w.Show();
    EXPECT_EQ(w.view.messages,
              std::vector<std::string>{"概況データを保存するフォルダをNinteiData内に作成します。"});
    EXPECT_TRUE(std::filesystem::is_directory(w.kept.parent_path()));
    EXPECT_EQ(w.view.memoText, kPlaceholder);
  }
  for (bool option : {true, false}) {
    SCOPED_TRACE(option);
    Window w;
    WriteBytes(w.dir / "control.ini", option ? "" : "[Hozon]\r\noption=0\r\n");
    w.Keep("\xEF\xBB\xBF独居。\n階段あり。\n");
    w.Show();
    EXPECT_TRUE(w.view.messages.empty());
    EXPECT_EQ(w.view.memoText, option ? u"独居。\r\n階段あり。\r\n" : kPlaceholder);
    EXPECT_EQ(w.Box2().empty(), !option);
  }
}

TEST(OverviewInput, SavingKeepsTheEncodingTheFileWasReadIn) {
  struct Case {
    const char* name;
    std::string before;  // the kept file at start; empty: none
    std::u16string typed;
    std::string after;
  };
  const std::string bom8 = "\xEF\xBB\xBF";
  const Case cases[] = {
      {"no file: the placeholder in code page 932", "", kPlaceholder, EncodeCp932(kPlaceholder)},
      {"code page 932 stays", EncodeCp932(u"独居。"), u"独居。\r\n階段",
       EncodeCp932(u"独居。\r\n階段")},
      {"UTF-8 keeps its mark, LF becomes CR LF", bom8 + "a\nb\n", u"a\r\nb\r\nc",
       bom8 + "a\r\nb\r\nc"},
      // Not changed since it was read: the file keeps its own bytes, its LF
      // and a broken last byte (read as U+FFFD) among them.
      {"unchanged: left as it is", EncodeCp932(u"独居") + "\n\x82", u"独居\r\n\uFFFD",
       EncodeCp932(u"独居") + "\n\x82"},
      {"UTF-16LE keeps its mark",
       std::string("\xFF\xFE"
                   "a\0",
                   4),
       u"あ", std::string("\xFF\xFE\x42\x30", 4)},
      {"UTF-16BE keeps its mark", std::string("\xFE\xFF\0a", 4), u"あ",
       std::string("\xFE\xFF\x30\x42", 4)},
      // What code page 932 cannot hold would become "?": UTF-8 instead.
      {"𠮷 in a code page 932 file", EncodeCp932(u"吉田"), u"𠮷田",
       bom8 + "\xF0\xA0\xAE\xB7\xE7\x94\xB0"},
      {"𠮷 without a file", "", u"𠮷", bom8 + "\xF0\xA0\xAE\xB7"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Window w;
    if (!c.before.empty()) w.Keep(c.before);
    w.Show();
    w.view.memoText = c.typed;
    ASSERT_TRUE(w.logic.FormClose());
    EXPECT_EQ(ReadBytes(w.kept), c.after);

    // The next run shows exactly what was typed.
    Window again;
    again.Keep(ReadBytes(w.kept));
    again.Show();
    EXPECT_EQ(again.view.memoText, c.typed);
  }
}

TEST(OverviewInput, TheSaveOptionAtCloseDecidesWhetherTheFileIsWritten) {
  Window off;
  off.Keep(EncodeCp932(u"前の概況"));
  off.view.saveOverview = true;
  off.Show();
  off.view.saveOverview = false;
  off.view.memoText = u"書いたが保存しない";
  ASSERT_TRUE(off.logic.FormClose());
  EXPECT_EQ(ReadBytes(off.kept), EncodeCp932(u"前の概況"));
  EXPECT_NE(ReadBytes(off.dir / "control.ini").find("option=0"), std::string::npos);

  // Off at the first showing, on at close: the field's text replaces the file.
  Window on;
  WriteBytes(on.dir / "control.ini", "[Hozon]\r\noption=0\r\n");
  on.Keep(EncodeCp932(u"前の概況"));
  on.Show();
  on.view.saveOverview = true;
  ASSERT_TRUE(on.logic.FormClose());
  EXPECT_EQ(ReadBytes(on.kept), EncodeCp932(kPlaceholder));
}

TEST(OverviewInput, AFailedShowNeverSavesOverTheKeptOverview) {
  Window w;
  w.Keep(EncodeCp932(u"前の概況"));
  w.services.printers.hasDefault = false;
  ASSERT_TRUE(w.logic.FormCreate(w.dir.path(), w.data.string()));
  w.logic.FormShow();
  ASSERT_EQ(w.view.errors.size(), 1u);
  EXPECT_TRUE(w.logic.FormClose());
  EXPECT_EQ(ReadBytes(w.kept), EncodeCp932(u"前の概況"));
  EXPECT_TRUE(std::filesystem::exists(w.dir / "control.ini"));
}

TEST(OverviewInput, AWriteThatFailsKeepsTheOldFileAndTheWindowOpen) {
  Window w;
  const std::string before = EncodeCp932(u"前の概況");
  w.Keep(before);
  w.Show();
  w.view.memoText = std::u16string(2000, u'あ');
  // The settings (a few hundred bytes) fit, the overview does not.
  bool closed;
  {
    FileSizeLimit limit(1024);
    closed = w.logic.FormClose();
  }
  EXPECT_FALSE(closed);
  ASSERT_EQ(w.view.errors.size(), 1u);
  EXPECT_EQ(w.view.errors[0], "概況ファイルに書き込めません: " + w.kept.string() + ".");
  EXPECT_EQ(ReadBytes(w.kept), before);
  EXPECT_EQ(w.dir.Entries(), (std::set<std::string>{"NinteiData", "control.ini"}));
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(w.kept.parent_path()),
                          std::filesystem::directory_iterator()),
            1);  // no temporary file left beside it
}

}  // namespace
}  // namespace mirelo::test
