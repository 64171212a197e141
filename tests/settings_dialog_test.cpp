// The print settings dialog's logic without a window: what it shows, what
// each spinner, typed entry, font and printer choice stores, and what a
// cancel leaves alone.
#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <string>

#include "compose/box_settings.h"
#include "data/ini_file.h"
#include "test_support.h"
#include "ui/settings_dialog.h"
#include "window_doubles.h"

namespace mirelo::test {
namespace {

// The dialog over a state read from a control.ini with the given lines.
struct Dialog {
  TempDir dir;
  MainState state;
  FakePrinters printers;
  PrinterChoice printer{printers};
  FakeView mainView;
  FakeDialogView view;
  SettingsDialog logic{state, printer, mainView};

  explicit Dialog(const std::string& ini = "") {
    WriteBytes(dir / "control.ini", ini);
    IniFile profile(dir / "control.ini", Files());
    SetDefaultBoxes(state.Boxes);
    LoadSettings(profile, DotLocale(), state.Boxes, state.Settings, 0, 0);
    printers.system.push_back({u"経理のプリンタ", 300, 1200});
    printer.SelectDefault();
    state.PrinterPpm = PrinterPixelsPerMm(600, 600);
    logic.SetView(view);
    logic.FormShow();
  }
  std::string Field(Spinner s) { return view.fields.at(s); }
};

TEST(SettingsDialog, ShowsTheSettingsAndKeepsThoseOutsideARangeUntilMoved) {
  Dialog plain;
  EXPECT_EQ(plain.view.printerLabel, u"オフィスのプリンタ");
  for (const auto& [spinner, text] : std::map<Spinner, std::string>{{Spinner::UpDown1, "6"},
                                                                    {Spinner::UpDownPenWidth, "10"},
                                                                    {Spinner::UpDownTabLen, "15"},
                                                                    {Spinner::UpDown2, "1,000"},
                                                                    {Spinner::UpDown3, "1,000"},
                                                                    {Spinner::UpDown4, "0"},
                                                                    {Spinner::UpDown5, "0"}}) {
    EXPECT_EQ(plain.Field(spinner), text) << static_cast<int>(spinner);
  }
  EXPECT_FALSE(plain.view.groupSpacing);

  // Values a hand-edited file can hold: halves go to the even position,
  // values outside a range show at its nearest limit.
  Dialog edited(
      "[Gaikyou]\r\nLine=12\r\n[Bikou]\r\nTabLen=14.5\r\n[Waku]\r\nWidth=0\r\n"
      "[Print]\r\nx_Bai=0.95\r\ny_Bai=1.0125\r\nx_offset=-0.25\r\ny_offset=0.35\r\nsw5=1\r\n");
  for (const auto& [spinner, text] : std::map<Spinner, std::string>{{Spinner::UpDown1, "10"},
                                                                    {Spinner::UpDownPenWidth, "1"},
                                                                    {Spinner::UpDownTabLen, "14"},
                                                                    {Spinner::UpDown2, "970"},
                                                                    {Spinner::UpDown3, "1,012"},
                                                                    {Spinner::UpDown4, "-2"},
                                                                    {Spinner::UpDown5, "4"}}) {
    EXPECT_EQ(edited.Field(spinner), text) << static_cast<int>(spinner);
  }
  EXPECT_TRUE(edited.view.groupSpacing);
  const MainState& s = edited.state;
  EXPECT_EQ(s.Boxes[2].LinesPerPage, 12);
  EXPECT_EQ(s.Boxes[3].TabPos, 14.5);
  EXPECT_EQ(s.Settings.FramePenWidth, 0);
  EXPECT_EQ(s.Settings.x_Bai, 0.95);

  // A move of one spinner takes it from the position shown, and only it.
  edited.logic.SpinnerArrow(Spinner::UpDownTabLen, +1);
  edited.logic.SpinnerArrow(Spinner::UpDown2, +1);
  EXPECT_EQ(s.Boxes[3].TabPos, 15.0);
  EXPECT_EQ(s.Settings.x_Bai, 0.971);
  EXPECT_EQ(s.Boxes[2].LinesPerPage, 12);
  EXPECT_EQ(s.Settings.FramePenWidth, 0);
}

TEST(SettingsDialog, EachSpinnerStoresItsPositionAndStopsAtItsLimits) {
  // Each setting in its spinner's unit, one step each way from the default.
  struct Case {
    Spinner spinner;
    double afterUp, afterDown;
    int min, max;
    std::function<double(const MainState&)> setting;
  };
  const Case cases[] = {
      {Spinner::UpDown1, 7, 5, 5, 10, [](const MainState& s) { return s.Boxes[2].LinesPerPage; }},
      {Spinner::UpDownPenWidth, 11, 9, 1, 15,
       [](const MainState& s) { return s.Settings.FramePenWidth; }},
      {Spinner::UpDownTabLen, 16, 14, 10, 25, [](const MainState& s) { return s.Boxes[3].TabPos; }},
      {Spinner::UpDown2, 1001, 999, 970, 1030,
       [](const MainState& s) { return s.Settings.x_Bai * 1000; }},
      {Spinner::UpDown3, 1001, 999, 980, 1020,
       [](const MainState& s) { return s.Settings.y_Bai * 1000; }},
      {Spinner::UpDown4, 1, -1, -100, 100,
       [](const MainState& s) { return s.Settings.x_offset * 10; }},
      {Spinner::UpDown5, 1, -1, -100, 100,
       [](const MainState& s) { return s.Settings.y_offset * 10; }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.spinner));
    Dialog d;
    d.logic.SpinnerArrow(c.spinner, +1);
    EXPECT_DOUBLE_EQ(c.setting(d.state), c.afterUp);
    d.logic.SpinnerArrow(c.spinner, -1);
    d.logic.SpinnerArrow(c.spinner, -1);
    EXPECT_DOUBLE_EQ(c.setting(d.state), c.afterDown);
    for (int i = 0; i < 300; ++i) d.logic.SpinnerArrow(c.spinner, -1);
    EXPECT_DOUBLE_EQ(c.setting(d.state), c.min);
    EXPECT_EQ(d.Field(c.spinner), SpinnerText(c.min));
    for (int i = 0; i < 300; ++i) d.logic.SpinnerArrow(c.spinner, +1);
    EXPECT_DOUBLE_EQ(c.setting(d.state), c.max);
    EXPECT_EQ(d.Field(c.spinner), SpinnerText(c.max));
  }
  // The exact values of the file's float forms, not merely close ones.
  Dialog d;
  d.logic.SpinnerArrow(Spinner::UpDown2, +1);
  d.logic.SpinnerArrow(Spinner::UpDown4, -1);
  EXPECT_EQ(d.state.Settings.x_Bai, 1.001);
  EXPECT_EQ(d.state.Settings.x_offset, -0.1);

  d.logic.CheckBox5Click(true);
  EXPECT_TRUE(d.state.Settings.sw5);
  d.logic.CheckBox5Click(false);
  EXPECT_FALSE(d.state.Settings.sw5);
}

TEST(SettingsDialog, TypedEntriesTakeEffectWithinTheRange) {
  struct Case {
    Spinner spinner;
    std::u16string typed;
    std::string shown;
    double stored;
    std::function<double(const MainState&)> setting;
  };
  auto tabLen = [](const MainState& s) { return s.Boxes[3].TabPos; };
  auto xOffset = [](const MainState& s) { return s.Settings.x_offset; };
  auto lines = [](const MainState& s) { return double(s.Boxes[2].LinesPerPage); };
  auto pen = [](const MainState& s) { return double(s.Settings.FramePenWidth); };
  const Case cases[] = {
      {Spinner::UpDownTabLen, u"20", "20", 20, tabLen},
      {Spinner::UpDownTabLen, u"30", "25", 25, tabLen},  // beyond: the nearest limit
      {Spinner::UpDown4, u"-150", "-100", -10, xOffset},
      {Spinner::UpDown4, u" +7 ", "7", 0.7, xOffset},
      {Spinner::UpDown4, u"－１２", "-12", -1.2, xOffset},  // full-width, as an input method types
      {Spinner::UpDown4, u"99999999999", "100", 10, xOffset},
      {Spinner::UpDown1, u"3", "5", 5, lines},
      // No number in it: the field shows the position again, nothing stored.
      {Spinner::UpDownPenWidth, u"-", "10", 10, pen},
      {Spinner::UpDownPenWidth, u"", "10", 10, pen},
      {Spinner::UpDownPenWidth, u"1-2", "10", 10, pen},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(ToUtf8(c.typed));
    Dialog d;
    d.logic.SpinnerEntry(c.spinner, c.typed);
    EXPECT_EQ(d.Field(c.spinner), c.shown);
    EXPECT_DOUBLE_EQ(c.setting(d.state), c.stored);
  }

  // Typing into the field of a value kept from the file puts the typed one
  // in force; an arrow then goes on from it.
  Dialog edited("[Bikou]\r\nTabLen=14.5\r\n");
  edited.logic.SpinnerEntry(Spinner::UpDownTabLen, u"14");
  EXPECT_EQ(edited.state.Boxes[3].TabPos, 14.0);
  edited.logic.SpinnerArrow(Spinner::UpDownTabLen, -1);
  EXPECT_EQ(edited.state.Boxes[3].TabPos, 13.0);
}

TEST(SettingsDialog, SpinnerTextGroupsThousands) {
  for (const auto& [position, text] : std::map<int, std::string>{{0, "0"},
                                                                 {-100, "-100"},
                                                                 {999, "999"},
                                                                 {1000, "1,000"},
                                                                 {1030, "1,030"},
                                                                 {-1000, "-1,000"},
                                                                 {999999, "999,999"}}) {
    EXPECT_EQ(SpinnerText(position), text);
    EXPECT_EQ(ParseSpinnerEntry(FromUtf8(text)), position);
  }
}

TEST(SettingsDialog, FontsTakeFaceAndSizeAndRefuseFacesCodePage932CannotHold) {
  Dialog d;
  d.view.fontChoice = FontChoice{u"IPAexゴシック", 12};
  d.logic.Button1Click();
  EXPECT_EQ(d.view.presetFace, u"ＭＳ Ｐゴシック");
  EXPECT_EQ(d.view.presetPoints, 10);
  EXPECT_EQ(FontNameText(d.state.Boxes[2]), u"IPAexゴシック");
  EXPECT_EQ(d.state.Boxes[2].FontSize, 12);
  EXPECT_EQ(d.mainView.memoFontSize, 12);

  // 33 bytes: one ASCII letter and 16 double-byte ones; the cut falls at 31
  // bytes, between two characters.
  d.view.fontChoice = FontChoice{u"Aあいうえおかきくけこさしすせそた", 14};
  d.logic.Button2Click();
  EXPECT_EQ(d.view.presetPoints, 9);
  EXPECT_EQ(FontNameText(d.state.Boxes[3]), u"Aあいうえおかきくけこさしすせそ");
  EXPECT_EQ(d.state.Boxes[3].FontName.size(), 31u);
  EXPECT_EQ(d.state.Boxes[3].FontSize, 14);
  EXPECT_EQ(d.mainView.memoFontSize, 12);  // the special notes leave the field alone

  // Refused or cancelled: the box keeps its font, the field its size.
  for (const std::optional<FontChoice>& choice :
       {std::optional<FontChoice>(FontChoice{u"𠮷野ゴシック", 20}),
        std::optional<FontChoice>(FontChoice{u"Noto Sans 한국어", 20}),
        std::optional<FontChoice>()}) {
    d.view.messages.clear();
    d.view.fontChoice = choice;
    d.logic.Button1Click();
    EXPECT_EQ(FontNameText(d.state.Boxes[2]), u"IPAexゴシック");
    EXPECT_EQ(d.state.Boxes[2].FontSize, 12);
    EXPECT_EQ(d.mainView.memoFontSize, 12);
    if (choice) {
      ASSERT_EQ(d.view.messages.size(), 1u);
      EXPECT_EQ(d.view.messages[0],
                "このフォント名には使えない文字が含まれています: " + ToUtf8(choice->face));
    } else {
      EXPECT_TRUE(d.view.messages.empty());
    }
  }
  EXPECT_TRUE(d.view.errors.empty());
}

TEST(SettingsDialog, PrinterChoiceUpdatesBothLabelsAndTheResolution) {
  Dialog d;
  d.mainView.printerLabel = u"オフィスのプリンタ";
  d.logic.Button4Click();  // cancelled
  EXPECT_EQ(d.view.setupRuns, 1);
  EXPECT_EQ(d.view.setupStart, u"オフィスのプリンタ");
  EXPECT_EQ(d.view.printerLabel, u"オフィスのプリンタ");
  EXPECT_EQ(d.mainView.printerLabel, u"オフィスのプリンタ");
  EXPECT_DOUBLE_EQ(d.state.PrinterPpm.x, 600 / 25.4);

  d.view.setupChoice = u"経理のプリンタ";
  d.logic.Button4Click();
  EXPECT_EQ(d.view.printerLabel, u"経理のプリンタ");
  EXPECT_EQ(d.mainView.printerLabel, u"経理のプリンタ");
  EXPECT_DOUBLE_EQ(d.state.PrinterPpm.x, 300 / 25.4);
  EXPECT_DOUBLE_EQ(d.state.PrinterPpm.y, 1200 / 25.4);
  d.logic.Button4Click();
  EXPECT_EQ(d.view.setupStart, u"経理のプリンタ");  // the next time on the one chosen

  // A printer gone since: the dialog starts on the default one.
  d.printers.system.pop_back();
  d.view.setupChoice.reset();
  d.logic.Button4Click();
  EXPECT_EQ(d.view.setupStart, u"オフィスのプリンタ");
  EXPECT_TRUE(d.view.errors.empty());
}

TEST(SettingsDialog, WithoutSystemPrintersTheOwnPdfPrinterStaysAndTheUserIsTold) {
  Dialog d;
  d.printers.system.clear();
  ASSERT_TRUE(d.printer.SelectDefault());
  d.logic.FormShow();
  EXPECT_EQ(d.view.printerLabel, u"PDFファイルに保存");
  d.logic.Button4Click();
  EXPECT_EQ(d.view.setupRuns, 0);
  EXPECT_EQ(
      d.view.messages,
      std::vector<std::string>{"選択できるプリンタがありません。印刷はPDFファイルに保存します。"});
  EXPECT_EQ(d.view.printerLabel, u"PDFファイルに保存");

  // A printer added since the start: the dialog starts on it, and it takes
  // the PDF printer's place.
  d.printers.system.push_back({u"新しいプリンタ", 1200, 1200});
  d.view.setupChoice = u"新しいプリンタ";
  d.logic.Button4Click();
  EXPECT_EQ(d.view.setupStart, u"新しいプリンタ");
  EXPECT_EQ(d.mainView.printerLabel, u"新しいプリンタ");
  EXPECT_FALSE(d.printer.IsOwnPdf());
  EXPECT_DOUBLE_EQ(d.state.PrinterPpm.x, 1200 / 25.4);
}

// The view reports what the user types; the logic alone decides what a
// finished entry takes.
TEST(SettingsDialog, ANumberBeingTypedCountsAtItsEndAtAnArrowAndAtTheClose) {
  Dialog d;
  // Typed, then the field left: taken.
  d.logic.SpinnerEdited(Spinner::UpDown4, u"2");
  d.logic.SpinnerEdited(Spinner::UpDown4, u"25");
  EXPECT_EQ(d.state.Settings.x_offset, 0.0);
  d.logic.SpinnerEntryEnded(Spinner::UpDown4);
  EXPECT_EQ(d.state.Settings.x_offset, 2.5);
  // Left again without typing: nothing new, even over a value kept from
  // the file that the field only shows.
  d.state.Boxes[3].TabPos = 14.5;
  d.logic.FormShow();
  d.logic.SpinnerEntryEnded(Spinner::UpDownTabLen);
  EXPECT_EQ(d.state.Boxes[3].TabPos, 14.5);
  // An arrow goes on from the number typed.
  d.logic.SpinnerEdited(Spinner::UpDown1, u"9");
  d.logic.SpinnerArrow(Spinner::UpDown1, +1);
  EXPECT_EQ(d.state.Boxes[2].LinesPerPage, 10);
  // A position shown again drops what was typed before it.
  d.logic.SpinnerEdited(Spinner::UpDown5, u"7");
  d.logic.FormShow();
  d.logic.SpinnerEntryEnded(Spinner::UpDown5);
  EXPECT_EQ(d.state.Settings.y_offset, 0.0);
  // Closing, however it is done, takes every number still being typed.
  d.view.whileOpen = [&] {
    d.logic.SpinnerEdited(Spinner::UpDownPenWidth, u"12");
    d.logic.SpinnerEdited(Spinner::UpDown5, u"-3");
  };
  d.logic.ShowModal();
  EXPECT_EQ(d.state.Settings.FramePenWidth, 12);
  EXPECT_EQ(d.state.Settings.y_offset, -0.3);
  EXPECT_EQ(d.Field(Spinner::UpDown5), "-3");
}

TEST(SettingsDialog, ShowingFillsTheDialogAgainAndCloseEndsIt) {
  Dialog d;
  d.logic.SpinnerArrow(Spinner::UpDown1, +1);
  d.view.fields.clear();
  d.view.whileOpen = [&] {
    EXPECT_EQ(d.Field(Spinner::UpDown1), "7");
    d.logic.Button3Click();
  };
  d.logic.ShowModal();
  EXPECT_EQ(d.view.shown, 1);
  EXPECT_EQ(d.view.closes, 1);
}

TEST(SettingsDialog, WhileTypingAFieldKeepsToWhatCanStillBecomeANumber) {
  struct Case {
    std::u16string_view text;
    bool partial;
  };
  const Case cases[] = {
      {u"", true},
      {u"-", true},
      {u"+", true},
      {u" 12 ", true},
      {u"\u3000\uFF11\uFF12", true},  // full-width space and digits
      {u"\u22125", true},             // the minus sign
      {u"1,000", true},
      {u"1234567", true},
      {u"12345678", false},  // eight digits
      {u"1a", false},
      {u"--1", false},
      {u"1-", false},
      {u"1.5", false},
      {u"\t1", false},
      {u"1 2", false},
  };
  for (const Case& c : cases) EXPECT_EQ(IsPartialSpinnerEntry(c.text), c.partial) << ToUtf8(c.text);
}

TEST(SettingsDialog, AFontDialogsAnswerIsTakenInWholePointsWithinTheRange) {
  struct Case {
    double points;
    int given, taken;
  };
  for (const Case& c : {Case{10.4, 9, 10}, Case{10.5, 9, 11}, Case{0, 12, 12}, Case{-1, 12, 12},
                        Case{5000, 9, 1000}, Case{1e30, 9, 1000}, Case{0.2, 9, 1}}) {
    EXPECT_EQ(ChosenFont(u"Tahoma", c.points, c.given).points, c.taken) << c.points;
  }
  EXPECT_EQ(ChosenFont(u"Tahoma", 10, 9).face, u"Tahoma");
  // A size from a hand-edited file goes to the font dialog within the range.
  Dialog d("[Gaikyou]\r\nSize=5000\r\n");
  d.view.fontChoice = std::nullopt;
  d.logic.Button1Click();
  EXPECT_EQ(d.view.presetPoints, 1000);
}

TEST(SettingsDialog, ClicksArrowsKeysAndTypingGoByTheTablesControls) {
  using namespace dialog_controls;
  Dialog d;
  d.view.groupSpacing = true;  // as the check box stands after its click
  d.logic.Click(kGroupSpacing);
  EXPECT_TRUE(d.state.Settings.sw5);
  d.logic.Click(kPrinterLabel);  // a label does nothing
  d.logic.Arrow(UpDownControl(Spinner::UpDown2), +1);
  EXPECT_EQ(d.state.Settings.x_Bai, 1.001);

  // Typing: refused text is not kept, and an entry's end takes what was.
  const DialogControl xOffset = EditControl(Spinner::UpDown4);
  EXPECT_TRUE(d.logic.Typed(xOffset, u"-"));
  EXPECT_FALSE(d.logic.Typed(xOffset, u"-a"));
  EXPECT_TRUE(d.logic.Typed(xOffset, u"-5"));
  EXPECT_EQ(d.state.Settings.x_offset, 0.0);
  d.logic.EntryEnded(xOffset);
  EXPECT_EQ(d.state.Settings.x_offset, -0.5);

  // Keys in a field: Up and Down step, Enter ends the entry; with Ctrl,
  // Shift or Alt, or in another control, they are not the dialog's.
  const DialogControl lines = EditControl(Spinner::UpDown1);
  struct Step {
    DialogControl focused;
    Key key;
    bool modified, taken;
    int linesPerPage;
  };
  for (const Step& s :
       {Step{lines, Key::Up, false, true, 7}, Step{lines, Key::Down, false, true, 6},
        Step{lines, Key::Up, true, false, 6}, Step{kOverviewFont, Key::Up, false, false, 6},
        Step{lines, Key::PageUp, false, false, 6}}) {
    EXPECT_EQ(d.logic.KeyDown(s.focused, s.key, s.modified), s.taken);
    EXPECT_EQ(d.state.Boxes[2].LinesPerPage, s.linesPerPage);
  }
  EXPECT_TRUE(d.logic.Typed(lines, u"9"));
  EXPECT_TRUE(d.logic.KeyDown(lines, Key::Enter, false));
  EXPECT_EQ(d.state.Boxes[2].LinesPerPage, 9);

  d.logic.Click(kClose);
  EXPECT_EQ(d.view.closes, 1);
}

}  // namespace
}  // namespace mirelo::test
