// The main window's logic without a window: start-up paths, the show step,
// the button states, paging, printing and closing, through the view
// interface.
#include <gtest/gtest.h>

#include <string>

#include "base/messages.h"
#include "data/ini_file.h"
#include "test_support.h"
#include "ui/main_window.h"
#include "ui/window_placement.h"
#include "window_doubles.h"

namespace mirelo::test {
namespace {

struct Window {
  TempDir dir;
  FakeServices services;
  FakeView view;
  MainState state;
  IniFile profile{dir / "control.ini", Files()};
  MainWindow logic{state, services, profile, (dir / "control.ini").string()};

  explicit Window(int items = 1) {
    WriteBytes(dir / "survey.txt", Survey(items));
    std::filesystem::create_directory(dir / "Gaikyo");  // no notice to wait for
    logic.SetView(view);
  }
  bool Create() { return logic.FormCreate(dir.path(), (dir / "survey.txt").string()); }
  void Show() {
    ASSERT_TRUE(Create());
    logic.FormShow();
    ASSERT_TRUE(view.errors.empty()) << view.errors.front();
  }
};

TEST(MainWindow, ShowStepPlacesThePageAndDrawsPageOne) {
  struct Case {
    int dpi, clientWidth;
    int width, height, imageLeft, label2Top, memoLeft, memoTop;
  };
  for (const Case c :
       {Case{96, 892, 794, 1123, 49, 1173, 105, 220}, Case{120, 892, 992, 1403, 0, 1457, 70, 266},
        Case{96, 700, 794, 1123, 0, 1173, 56, 220}}) {
    SCOPED_TRACE(c.dpi);
    Window w;
    w.services.screenDpi = c.dpi;
    w.view.clientWidth = c.clientWidth;
    w.Show();
    EXPECT_EQ(w.view.caption, "蒼浦市版 認定調査票（概況調査/特記事項）プレビュー");
    EXPECT_EQ(w.view.previewWidth, c.width);
    EXPECT_EQ(w.view.previewHeight, c.height);
    EXPECT_EQ(w.view.imageLeft, c.imageLeft);
    EXPECT_EQ(w.view.imageTop, kImageTop);
    EXPECT_EQ(w.view.label2Top, c.label2Top);
    EXPECT_EQ(w.view.memoLeft, c.memoLeft);
    EXPECT_EQ(w.view.memoTop, c.memoTop);
    EXPECT_FALSE(w.view.memoVisible);
    EXPECT_EQ(w.view.captions[ToolButton::Overview], "概況入力");
    EXPECT_EQ(w.view.printerLabel, u"オフィスのプリンタ");
    EXPECT_EQ(w.view.drawn, 1);
    EXPECT_EQ(w.view.preview->clears, 1);
    EXPECT_FALSE(w.view.preview->canvas.Lines().empty());
    EXPECT_TRUE(w.state.OverviewLookedFor);
  }
}

// The page is laid out at the measuring resolution whatever the screen's;
// a move to a monitor of another resolution makes the picture again at it.
TEST(MainWindow, TheScreensResolutionSizesThePictureAndNeverTheLayout) {
  Window w(60);
  w.services.screenDpi = 120;
  w.logic.ScreenDpiChanged(144);  // before the show step: nothing to redo
  EXPECT_EQ(w.view.previewWidth, 0);
  w.Show();
  EXPECT_EQ(w.services.measuringDpis, std::vector<int>{96});
  EXPECT_EQ(w.view.previewWidth, 992);
  const BoxTable laidOut = w.state.Boxes;
  ASSERT_EQ(w.state.PageCount, 2);
  w.logic.NextPage();
  const int drawn = w.view.drawn;

  w.logic.ScreenDpiChanged(144);
  EXPECT_EQ(w.view.previewDpi, 144);
  EXPECT_EQ(w.view.previewWidth, 1191);
  EXPECT_EQ(w.view.previewHeight, 1684);
  EXPECT_EQ(w.view.imageLeft, 0);
  EXPECT_EQ(w.view.label2Top, 1742);
  EXPECT_EQ(w.view.memoLeft, 85);
  EXPECT_EQ(w.view.memoTop, 312);
  EXPECT_EQ(w.view.drawn, drawn + 1);
  EXPECT_EQ(w.view.pageLabel, "2");  // the page shown stays
  EXPECT_FALSE(w.view.preview->canvas.Lines().empty());
  for (int box = 1; box <= kBoxCount; ++box)
    EXPECT_EQ(w.state.Boxes[box].LineList, laidOut[box].LineList);
  EXPECT_EQ(w.services.measuringDpis, std::vector<int>{96});

  // Printed pages do not depend on the screen either.
  const std::vector<std::string> printedAt144 = [&] {
    w.logic.SpeedButton1Click();
    return w.services.printers.jobs.back().pages.back();
  }();
  Window at96(60);
  at96.Show();
  at96.logic.SpeedButton1Click();
  EXPECT_EQ(at96.services.printers.jobs.back().pages.back(), printedAt144);
}

TEST(MainWindow, PageButtonsFollowThePageCount) {
  Window one(1);
  one.Show();
  EXPECT_EQ(one.state.PageCount, 1);
  EXPECT_FALSE(one.view.Enabled(ToolButton::Previous));
  EXPECT_FALSE(one.view.Enabled(ToolButton::Next));

  Window three(100);
  three.Show();
  ASSERT_EQ(three.state.PageCount, 3);
  EXPECT_FALSE(three.view.Enabled(ToolButton::Previous));
  EXPECT_TRUE(three.view.Enabled(ToolButton::Next));
  for (ToolButton b : {ToolButton::PrintAll, ToolButton::PrintCurrent, ToolButton::Settings})
    EXPECT_TRUE(three.view.Enabled(b));

  three.logic.SpeedButton4Click();
  three.logic.SpeedButton4Click();
  EXPECT_EQ(three.state.CurrentPage, 3);
  EXPECT_EQ(three.view.pageLabel, "3");
  EXPECT_TRUE(three.view.Enabled(ToolButton::Previous));
  EXPECT_FALSE(three.view.Enabled(ToolButton::Next));
  three.logic.SpeedButton3Click();
  three.logic.SpeedButton3Click();
  EXPECT_EQ(three.state.CurrentPage, 1);
  EXPECT_EQ(three.view.pageLabel, "1");
  EXPECT_FALSE(three.view.Enabled(ToolButton::Previous));
  EXPECT_TRUE(three.view.Enabled(ToolButton::Next));
  EXPECT_EQ(three.view.drawn, 5);  // the show step and every click redraw
}

TEST(MainWindow, PagingClampsAndRedrawsWhenTheStateIsOutOfRange) {
  // One page with both buttons enabled, as after the overview input closes.
  Window w(1);
  w.Show();
  w.view.enabled[ToolButton::Previous] = w.view.enabled[ToolButton::Next] = true;
  w.logic.NextPage();
  EXPECT_EQ(w.state.CurrentPage, 1);
  EXPECT_TRUE(w.view.Enabled(ToolButton::Previous));
  EXPECT_FALSE(w.view.Enabled(ToolButton::Next));
  w.logic.PreviousPage();
  EXPECT_EQ(w.state.CurrentPage, 1);
  EXPECT_TRUE(w.view.Enabled(ToolButton::Next));
  EXPECT_FALSE(w.view.Enabled(ToolButton::Previous));
  EXPECT_EQ(w.view.drawn, 3);

  // A re-layout left the current page past the last one.
  w.state.CurrentPage = 3;
  w.state.PageCount = 2;
  w.logic.NextPage();
  EXPECT_EQ(w.state.CurrentPage, 2);
  EXPECT_EQ(w.view.pageLabel, "2");
}

TEST(MainWindow, PrintingMakesOneJobAndThanksOnlyAfterSuccess) {
  Window w(100);
  w.Show();
  w.logic.SpeedButton4Click();
  w.logic.SpeedButton1Click();
  w.logic.SpeedButton2Click();
  ASSERT_EQ(w.services.printers.jobs.size(), 2u);
  const JobRecord& all = w.services.printers.jobs[0];
  EXPECT_EQ(all.title, u"Mirelo");
  EXPECT_EQ(all.pages.size(), 3u);
  EXPECT_TRUE(all.ended);
  const JobRecord& current = w.services.printers.jobs[1];
  ASSERT_EQ(current.pages.size(), 1u);
  EXPECT_EQ(current.pages[0], all.pages[1]);  // page 2, the one shown
  EXPECT_EQ(w.state.CurrentPage, 2);
  EXPECT_EQ(w.view.messages,
            std::vector<std::string>(2, "認定調査票（特記事項）が印刷されました。"));

  // A job that cannot start: the error, no thanks.
  w.view.messages.clear();
  w.services.printers.failBegin = true;
  w.logic.SpeedButton1Click();
  EXPECT_EQ(w.view.errors, std::vector<std::string>{"印刷できません: テスト."});
  EXPECT_TRUE(w.view.messages.empty());
  EXPECT_EQ(w.view.pdfQuestions, 0);  // a printer of the system's asks nothing
}

TEST(MainWindow, TheShowStepChoosesTheDefaultPrinterOrTheOwnPdfPrinter) {
  struct Case {
    const char* name;
    std::vector<FakePrinters::Printer> system;
    bool hasDefault;
    bool writesPdf;        // without a printer
    std::u16string label;  // nothing: the show step stops
    int dpiX, dpiY;
  };
  const Case cases[] = {
      {"default", {{u"経理", 300, 1200}, {u"総務"}}, true, true, u"経理", 300, 1200},
      {"no printer at all", {}, true, true, u"PDFファイルに保存", 600, 600},
      {"printers but no default", {{u"経理"}}, false, true, u"", 0, 0},
      // A PDF printer of the system's is a printer too, and absent.
      {"no printer at all, PDF only through a printer", {}, true, false, u"", 0, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Window w;
    w.services.printers.system = c.system;
    w.services.printers.hasDefault = c.hasDefault;
    w.services.printers.writesPdf = c.writesPdf;
    ASSERT_TRUE(w.Create());
    w.logic.FormShow();
    EXPECT_EQ(w.view.printerLabel, c.label);
    EXPECT_EQ(w.view.errors.empty(), !c.label.empty());
    if (c.label.empty()) {
      EXPECT_EQ(w.view.errors,
                std::vector<std::string>{"デフォルトのプリンタが現在選択されていません."});
      w.logic.SpeedButton1Click();  // says it again, asks for no file, prints nothing
      EXPECT_EQ(w.view.errors.size(), 2u);
      EXPECT_EQ(w.view.pdfQuestions, 0);
      EXPECT_TRUE(w.services.printers.jobs.empty());
      continue;
    }
    EXPECT_DOUBLE_EQ(w.state.PrinterPpm.x, c.dpiX / 25.4);
    EXPECT_DOUBLE_EQ(w.state.PrinterPpm.y, c.dpiY / 25.4);
  }
}

TEST(MainWindow, TheOwnPdfPrinterAsksForTheFileAndPrintsNothingWhenCancelled) {
  Window w(100);
  w.services.printers.system.clear();
  w.Show();
  w.logic.SpeedButton1Click();  // cancelled: nothing printed, nothing said
  EXPECT_EQ(w.view.pdfQuestions, 1);
  EXPECT_TRUE(w.services.printers.jobs.empty());
  EXPECT_TRUE(w.view.messages.empty());
  EXPECT_TRUE(w.view.errors.empty());

  w.view.pdfFileName = w.dir / "form";
  w.logic.SpeedButton1Click();
  ASSERT_EQ(w.services.printers.pdfFiles, std::vector{w.dir / "form.pdf"});
  EXPECT_EQ(w.services.printers.jobs.at(0).pages.size(), 3u);
  EXPECT_EQ(w.view.messages, std::vector<std::string>{"認定調査票（特記事項）が印刷されました。"});
}

TEST(PrinterChoice, APdfFileNameWithoutAnEndingGetsOne) {
  for (const auto& [typed, named] :
       std::vector<std::pair<std::string, std::string>>{{"/tmp/form", "/tmp/form.pdf"},
                                                        {"/tmp/form.pdf", "/tmp/form.pdf"},
                                                        {"/tmp/form.PDF", "/tmp/form.PDF"},
                                                        {"/tmp/form.", "/tmp/form..pdf"},
                                                        {"/tmp/v1.2/form", "/tmp/v1.2/form.pdf"},
                                                        {"/tmp/.form", "/tmp/.form"}}) {
    EXPECT_EQ(WithPdfEnding(typed).string(), named) << typed;
  }
}

TEST(MainWindow, WithoutADefaultPrinterTheShowStepStopsAndTheWindowStaysUsable) {
  Window w(100);
  w.services.printers.hasDefault = false;
  ASSERT_TRUE(w.Create());
  w.logic.FormShow();
  EXPECT_EQ(w.view.errors,
            std::vector<std::string>{"デフォルトのプリンタが現在選択されていません."});
  EXPECT_EQ(w.view.drawn, 0);
  // The overview input alone stays closed and hidden: the kept overview was
  // never loaded, so nothing typed could be saved.
  EXPECT_FALSE(w.view.memoVisible);
  for (int b = 1; b <= 7; ++b) EXPECT_EQ(w.view.Enabled(static_cast<ToolButton>(b)), b != 5) << b;
  EXPECT_FALSE(w.state.OverviewLookedFor);
  // Printing says again why there is no page, and prints nothing.
  w.logic.SpeedButton1Click();
  EXPECT_TRUE(w.services.printers.jobs.empty());
  EXPECT_EQ(w.view.errors.size(), 2u);
  EXPECT_EQ(w.view.errors.back(), w.view.errors.front());
  EXPECT_EQ(w.state.PageCount, 1);
  // The close still saves the settings.
  EXPECT_TRUE(w.logic.FormClose());
  EXPECT_TRUE(std::filesystem::exists(w.dir / "control.ini"));
}

TEST(MainWindow, ClosingTheSettingsDialogRecomposesAndRedrawsButLeavesTheButtons) {
  Window w;
  // 43 items of group 1 and one of group 2: 44 ruled lines, one page, until
  // a blank line between the groups pushes the last one over.
  std::string survey = "1234567000001234510000000020210415\r\n";
  for (int i = 1; i <= 43; ++i)
    survey += "1234567000001234510" + std::string(i < 10 ? "10" : "1") + std::to_string(i) +
              "0001見守り。\r\n";
  survey += "12345670000012345102010001自立。\r\n";
  WriteBytes(w.dir / "survey.txt", survey);
  SettingsDialog dialog(w.state, w.logic.Printer(), w.view);
  FakeDialogView dialogView;
  // Made at the first click, and only then.
  int made = 0;
  w.logic.SetSettingsDialogMaker([&]() -> SettingsDialog& {
    ++made;
    dialog.SetView(dialogView);
    return dialog;
  });
  w.Show();
  ASSERT_EQ(w.state.PageCount, 1);
  EXPECT_EQ(made, 0);
  const int drawn = w.view.drawn;

  dialogView.whileOpen = [&] { dialog.CheckBox5Click(true); };
  w.logic.SpeedButton6Click();
  EXPECT_EQ(dialogView.shown, 1);
  EXPECT_EQ(w.state.PageCount, 2);
  EXPECT_FALSE(w.view.Enabled(ToolButton::Next));  // only the paging buttons move it
  EXPECT_EQ(w.view.drawn, drawn + 1);

  // Closing it again without a change gives the same boxes.
  auto lines = [&] {
    return std::vector{w.state.Boxes[2].LineList, w.state.Boxes[3].LineList,
                       w.state.Boxes[10].LineList};
  };
  const auto before = lines();
  dialogView.whileOpen = nullptr;
  w.logic.SpeedButton6Click();
  w.logic.SpeedButton6Click();
  EXPECT_EQ(lines(), before);
  EXPECT_EQ(made, 1);
}

// After either recomposition, a current page past the new page count becomes
// the last page, with the label and the page buttons as paging there sets
// them; a page that still exists stays as it is.
TEST(MainWindow, ARecountThatLeavesTheCurrentPageBehindGoesToTheLastPage) {
  struct Case {
    const char* name;
    int page;  // the page shown before the recount, of three
    int after;
    std::string label;
    bool previous, next;
  };
  const Case cases[] = {
      {"inside", 1, 1, "1", false, true},
      {"at the new count", 2, 2, "2", true, true},
      {"beyond the new count", 3, 2, "2", true, false},
  };
  for (const bool bySettings : {true, false}) {
    for (const Case& c : cases) {
      SCOPED_TRACE(std::string(bySettings ? "settings dialog, " : "overview input, ") + c.name);
      // The overview's lines decide the count: six a page.
      auto overviewLines = [](int n) {
        std::u16string text = u"概況";
        for (int i = 1; i < n; ++i) text += u"\r\n概況";
        return text;
      };
      Window w(1);
      SettingsDialog dialog(w.state, w.logic.Printer(), w.view);
      FakeDialogView dialogView;
      dialog.SetView(dialogView);
      w.logic.SetSettingsDialog(&dialog);
      w.Show();
      w.view.memoText = overviewLines(13);
      w.logic.SpeedButton5Click();
      w.logic.SpeedButton5Click();
      ASSERT_EQ(w.state.PageCount, 3);
      for (int i = 1; i < c.page; ++i) w.logic.SpeedButton4Click();
      ASSERT_EQ(w.state.CurrentPage, c.page);
      const bool previous = w.view.Enabled(ToolButton::Previous);
      const bool next = w.view.Enabled(ToolButton::Next);
      const int drawn = w.view.drawn;
      w.view.memoText = overviewLines(8);
      if (bySettings) {
        w.logic.SpeedButton6Click();
      } else {
        w.logic.SpeedButton5Click();
        w.logic.SpeedButton5Click();
      }
      ASSERT_EQ(w.state.PageCount, 2);
      EXPECT_EQ(w.state.CurrentPage, c.after);
      EXPECT_EQ(w.view.pageLabel, c.label);
      if (c.page != c.after) {
        EXPECT_EQ(w.view.Enabled(ToolButton::Previous), c.previous);
        EXPECT_EQ(w.view.Enabled(ToolButton::Next), c.next);
      } else if (bySettings) {
        // Nothing changes while the page exists.
        EXPECT_EQ(w.view.Enabled(ToolButton::Previous), previous);
        EXPECT_EQ(w.view.Enabled(ToolButton::Next), next);
      } else {
        // Closing the overview input enables both, whatever the page.
        EXPECT_TRUE(w.view.Enabled(ToolButton::Previous));
        EXPECT_TRUE(w.view.Enabled(ToolButton::Next));
      }
      EXPECT_GT(w.view.drawn, drawn);
      // What is printed as the current page is the page shown.
      w.logic.SpeedButton2Click();
      ASSERT_EQ(w.services.printers.jobs.size(), 1u);
      EXPECT_EQ(w.services.printers.jobs[0].pages.size(), 1u);
    }
  }
}

TEST(MainWindow, KeysPageAndScrollUnlessTheOverviewFieldHasTheFocus) {
  Window w(100);
  w.Show();
  ASSERT_EQ(w.state.PageCount, 3);
  struct Step {
    Key key;
    int page;
    bool previous, next;
  };
  const Step steps[] = {
      {Key::PageUp, 1, false, true},  // disabled button: nothing
      {Key::Home, 1, false, true},     {Key::PageDown, 2, true, true}, {Key::End, 3, true, false},
      {Key::PageDown, 3, true, false}, {Key::End, 3, true, false},     {Key::PageUp, 2, true, true},
      {Key::Home, 1, false, true},
  };
  int drawn = w.view.drawn;
  for (const Step& s : steps) {
    SCOPED_TRACE(static_cast<int>(s.key));
    const int before = w.state.CurrentPage;
    EXPECT_TRUE(w.logic.KeyDown(s.key, false));
    EXPECT_EQ(w.state.CurrentPage, s.page);
    EXPECT_EQ(w.view.pageLabel, std::to_string(s.page));
    EXPECT_EQ(w.view.Enabled(ToolButton::Previous), s.previous);
    EXPECT_EQ(w.view.Enabled(ToolButton::Next), s.next);
    EXPECT_EQ(w.view.drawn > drawn, s.page != before);
    drawn = w.view.drawn;
  }
  for (Key k : {Key::Down, Key::Down, Key::Up, Key::Right, Key::Right, Key::Right, Key::Left})
    EXPECT_TRUE(w.logic.KeyDown(k, false));
  EXPECT_EQ(w.view.scrolled, 16);
  EXPECT_EQ(w.view.scrolledSideways, 32);
  // With Ctrl, Shift or Alt a key stays the focused control's.
  for (Key k : {Key::End, Key::PageDown, Key::Down}) EXPECT_FALSE(w.logic.KeyDown(k, true));
  EXPECT_EQ(w.state.CurrentPage, 1);
  EXPECT_EQ(w.view.scrolled, 16);

  // The overview input open: paging is off, and in the field every key is
  // the text's.
  w.logic.SpeedButton5Click();
  ASSERT_TRUE(w.view.memoFocusSelectsAll.has_value());
  w.view.memoFocused = true;
  for (Key k : {Key::PageDown, Key::End, Key::Down, Key::Right})
    EXPECT_FALSE(w.logic.KeyDown(k, false));
  EXPECT_EQ(w.view.scrolled, 16);
  w.view.memoFocused = false;  // the focus elsewhere: scrolling only
  EXPECT_TRUE(w.logic.KeyDown(Key::End, false));
  EXPECT_TRUE(w.logic.KeyDown(Key::Down, false));
  EXPECT_EQ(w.state.CurrentPage, 1);
  EXPECT_EQ(w.view.scrolled, 32);
}

TEST(MainWindow, AWheelEventScrollsSixteenDotsWhateverItsDelta) {
  Window w;
  w.Show();
  struct Turn {
    int delta;
    bool taken;
    int scrolled;
  };
  // A touchpad's small deltas scroll as a notch does; a sideways scroll
  // (no vertical delta) is not the window's.
  for (const Turn& t : {Turn{-120, true, 16}, Turn{-1, true, 32}, Turn{-480, true, 48},
                        Turn{+30, true, 32}, Turn{0, false, 32}}) {
    EXPECT_EQ(w.logic.Wheel(t.delta), t.taken) << t.delta;
    EXPECT_EQ(w.view.scrolled, t.scrolled) << t.delta;
  }
}

TEST(MainWindow, AClickOnAControlOfTheTableRunsItsHandler) {
  Window w(100);
  w.Show();
  w.logic.Click(ToolButtonControl(ToolButton::Next));
  EXPECT_EQ(w.state.CurrentPage, 2);
  w.logic.Click(ToolButtonControl(ToolButton::Previous));
  EXPECT_EQ(w.state.CurrentPage, 1);
  w.logic.Click(ToolButtonControl(ToolButton::Overview));
  EXPECT_TRUE(w.view.memoVisible);
  w.logic.Click(ToolButtonControl(ToolButton::Overview));
  EXPECT_FALSE(w.view.memoVisible);
  // The others act on their own: the check box is read when it counts.
  const int drawn = w.view.drawn;
  for (MainControl c : {main_controls::kCheckBox1, main_controls::kPanel1, main_controls::kMemo1})
    w.logic.Click(c);
  EXPECT_EQ(w.view.drawn, drawn);
  EXPECT_FALSE(w.view.closeRequested);
  w.logic.Click(ToolButtonControl(ToolButton::Close));
  EXPECT_TRUE(w.view.closeRequested);
}

TEST(MainWindow, CreateCentresThenTakesTheSavedPlaceWhereAScreenShowsIt) {
  Window fresh;
  ASSERT_TRUE(fresh.Create());
  ASSERT_TRUE(fresh.view.position);
  EXPECT_EQ(fresh.view.position->left, (1280 - 908) / 2);
  EXPECT_EQ(fresh.view.position->top, (1024 - 740) / 2);

  Window saved;
  WriteBytes(saved.dir / "control.ini",
             "[PrintForm]\r\nTop=-50\r\nLeft=1000\r\n[Hozon]\r\noption=0\r\n");
  ASSERT_TRUE(saved.Create());
  EXPECT_EQ(saved.view.position->left, 1000);  // partly off the screen, used as it is
  EXPECT_EQ(saved.view.position->top, -50);
  EXPECT_FALSE(saved.view.saveOverview);

  // Saved on a monitor that is gone: the first start's place. The settings
  // keep what was read; the close writes where the window then stands.
  Window gone;
  WriteBytes(gone.dir / "control.ini", "[PrintForm]\r\nTop=-50\r\nLeft=3000\r\n");
  ASSERT_TRUE(gone.Create());
  EXPECT_EQ(gone.view.position->left, (1280 - 908) / 2);
  EXPECT_EQ(gone.view.position->top, (1024 - 740) / 2);
  EXPECT_EQ(gone.state.Settings.Left, 3000);
  gone.logic.FormShow();
  ASSERT_TRUE(gone.logic.FormClose());
  EXPECT_NE(ReadBytes(gone.dir / "control.ini").find("Top=142\r\nLeft=186\r\n"), std::string::npos);
}

TEST(WindowPlacement, ASavedPlaceStandsWhereSomeWorkAreaShowsTheWindow) {
  const WindowPosition centred{186, 142};
  const std::vector<DeviceRectangle> one = {{0, 0, 1280, 984}};  // a task bar below
  const std::vector<DeviceRectangle> two = {{0, 0, 1280, 984}, {-1920, -200, 0, 880}};
  struct Case {
    const char* what;
    std::optional<int> left, top;
    const std::vector<DeviceRectangle>& areas;
    int wantLeft, wantTop;
  };
  const std::vector<DeviceRectangle> none;
  for (const Case& c : {
           Case{"nothing saved", std::nullopt, std::nullopt, one, 186, 142},
           Case{"on the screen", 60, 120, one, 60, 120},
           Case{"partly off to the right", 1200, 100, one, 1200, 100},
           Case{"one pixel left of the edge", -907, 100, one, -907, 100},
           Case{"touching the left edge", -908, 100, one, 186, 142},
           Case{"under the task bar only", 100, 984, one, 186, 142},
           Case{"above the screen", 100, -740, one, 186, 142},
           Case{"far off", 30000, 30000, one, 186, 142},
           Case{"at the ends of int", -2147483647 - 1, 2147483647, one, 186, 142},
           Case{"on the monitor to the left", -1500, -100, two, -1500, -100},
           Case{"the left monitor unplugged", -1500, -100, one, 186, 142},
           Case{"only the left saved, off", -5000, std::nullopt, one, 186, 142},
           Case{"only the top saved, on", std::nullopt, 300, one, 186, 300},
           Case{"no screen reported", 30000, 30000, none, 30000, 30000},
       }) {
    SCOPED_TRACE(c.what);
    const WindowPosition at = OpeningPosition(c.left, c.top, centred, 908, 740, c.areas);
    EXPECT_EQ(at.left, c.wantLeft);
    EXPECT_EQ(at.top, c.wantTop);
  }
}

TEST(MainWindow, CloseWritesThePlaceTheWindowHasOrElseTheOneItWasGiven) {
  for (bool reports : {true, false}) {
    SCOPED_TRACE(reports);
    Window w;
    WriteBytes(w.dir / "control.ini", "[PrintForm]\r\nTop=7\r\nLeft=8\r\n");
    w.Show();
    w.view.reportsPosition = reports;
    w.view.position = WindowPosition{300, 200};
    w.view.saveOverview = false;
    ASSERT_TRUE(w.logic.FormClose());
    const std::string ini = ReadBytes(w.dir / "control.ini");
    EXPECT_NE(ini.find(reports ? "Top=200\r\nLeft=300" : "Top=7\r\nLeft=8"), std::string::npos)
        << ini;
    EXPECT_NE(ini.find("option=0"), std::string::npos);
  }
}

TEST(MainWindow, ASettingsFileThatCannotBeWrittenIsReportedAndTheWindowCloses) {
  TempDir dir;
  WriteBytes(dir / "not-a-folder", "");
  const std::filesystem::path ini = dir / "not-a-folder" / "control.ini";
  Window w;
  IniFile profile(ini, Files());
  MainWindow logic(w.state, w.services, profile, ini.string());
  logic.SetView(w.view);
  ASSERT_TRUE(logic.FormCreate(w.dir.path(), (w.dir / "survey.txt").string()));
  EXPECT_TRUE(logic.FormClose());
  EXPECT_EQ(w.view.errors, std::vector<std::string>{ini.string() + " に書き込めません.\r\n" +
                                                    msg::kSettingsNotKept});
}

TEST(WindowProgram, StartUpPaths) {
  TempDir dir;
  WriteBytes(dir / "survey.txt", Survey(1));
  std::filesystem::create_directory(dir / "Gaikyo");
  std::filesystem::create_directory(dir / "folder");
  struct Case {
    const char* name;
    std::string dataPath;
    bool lockFree;
    int status;
    std::string message;
    bool loop;
  };
  const std::string missing = "読み込む対象のデータが見つかりません。\r\n終了します。";
  for (const Case& c : {Case{"runs", (dir / "survey.txt").string(), true, 0, "", true},
                        Case{"second instance", (dir / "survey.txt").string(), false, 2,
                             "既に起動しています。", false},
                        Case{"no argument", "", true, 2, missing, false},
                        Case{"missing file", (dir / "none.txt").string(), true, 2, missing, false},
                        Case{"a folder", (dir / "folder").string(), true, 2, missing, false}}) {
    SCOPED_TRACE(c.name);
    TempDir app;
    FakeServices platform;
    platform.appDir = app.path();
    platform.lockFree = c.lockFree;
    CommandLine line;
    line.dataPath = c.dataPath;
    EXPECT_EQ(RunWindowProgram(line, platform), c.status);
    EXPECT_TRUE(platform.lockAsked);
    EXPECT_EQ(platform.loopRan, c.loop);
    // Every message box of the run, before the window and in it.
    EXPECT_EQ(platform.messages,
              c.message.empty() ? std::vector<std::string>{} : std::vector<std::string>{c.message});
    if (!c.lockFree) {
      EXPECT_EQ(platform.view, nullptr);  // no window made
      EXPECT_TRUE(platform.title.empty());
    } else {
      EXPECT_EQ(platform.title, "ミレロ");
    }
    // Only a run that showed its window writes the settings, beside the
    // executable.
    EXPECT_EQ(app.Entries(),
              c.loop ? std::set<std::string>{"control.ini"} : std::set<std::string>{});
  }
}

TEST(MainWindow, ErrorBoxTextEndsWithAFullStopAfterCharactersBeyondIt) {
  const std::pair<const char*, const char*> cases[] = {{"abc", "abc."},
                                                       {"abc.", "abc."},
                                                       {"a-", "a-"},
                                                       {"a,", "a,"},
                                                       {"終了します。", "終了します。."},
                                                       {"", ""},
                                                       {"x/", "x/."}};
  for (const auto& [in, out] : cases) EXPECT_EQ(ErrorBoxText(in), out) << in;
}

}  // namespace
}  // namespace mirelo::test
