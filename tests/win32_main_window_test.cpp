// The Windows main window on the shared logic, with doubles only at the
// platform interfaces: every control of the table at its place with its
// caption and state, the states after clicks, wheel turns and keys, and what
// it does when Windows says the window now stands on a monitor of another
// resolution.
#include <gtest/gtest.h>

#include <string>

#include "base/text_encoding.h"
#include "data/ini_file.h"
#include "test_support.h"
#include "ui/main_window.h"
#include "win32/win32_controls.h"
#include "win32/win32_main_window.h"
#include "win32_window_tests.h"
#include "window_doubles.h"

namespace mirelo::test {
namespace {

// The first child window of class name in parent, depth first.
HWND ChildOfClass(HWND parent, const wchar_t* name) {
  struct Search {
    const wchar_t* name;
    HWND found = nullptr;
  } search{name};
  EnumChildWindows(
      parent,
      [](HWND child, LPARAM data) -> BOOL {
        auto* s = reinterpret_cast<Search*>(data);
        wchar_t cls[64] = {};
        GetClassNameW(child, cls, 64);
        if (lstrcmpiW(cls, s->name) != 0) return TRUE;
        s->found = child;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

// The window on a survey of n items, shown.
struct ShownWindow {
  TempDir dir;
  FakeServices services;
  MainState state;
  IniFile profile{dir / "control.ini", Files()};
  MainWindow logic{state, services, profile, (dir / "control.ini").string()};
  win32::Win32MainWindow window{logic};

  explicit ShownWindow(int items) {
    WriteBytes(dir / "survey.txt", Survey(items));
    // With its overview folder, so that no notice waits for a click.
    std::filesystem::create_directory(dir / "Gaikyo");
    logic.SetView(window);
    EXPECT_TRUE(logic.FormCreate(dir.path(), (dir / "survey.txt").string()));
    window.Show();
  }
  ~ShownWindow() {
    // A closed window has posted its quit; no later test's loop may meet it.
    MSG quit;
    while (PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
    }
  }
  HWND operator[](MainControl c) const { return window.Control(c); }
  std::u16string Text(MainControl c) const { return win32::GetText(window.Control(c)); }
  bool Enabled(ToolButton b) const { return IsWindowEnabled(window.Control(ToolButtonControl(b))); }
  int ScrolledDown() const {
    return GetScrollPos(window.Control(main_controls::kScrollBox1), SB_VERT);
  }
  // A message as the loop would take it, sent to a control of the window.
  bool Take(UINT message, WPARAM wParam) {
    const MSG m{window.Control(main_controls::kImage1), message, wParam, 0, 0, {}};
    return window.PreTranslate(m);
  }
};

TEST(Win32MainWindow, EveryControlOfTheTableStandsAtItsPlaceWithItsCaptionAndState) {
  using namespace main_controls;
  ShownWindow w(100);  // three pages
  const int dpi = win32::WindowDpi(w.window.Handle());
  const auto S = [&](int pixels) { return MulDiv(pixels, dpi, 96); };
  RECT client;
  GetClientRect(w.window.Handle(), &client);
  for (std::size_t i = 0; i < kMainControls.size(); ++i) {
    const MainControl id = MainControl::At(i);
    const Control& c = id.Facts();
    SCOPED_TRACE(std::string(c.name));
    const HWND made = w[id];
    ASSERT_TRUE(made && IsWindow(made));
    const RECT at = InParent(made);
    switch (c.kind) {
      case ControlKind::ToolButton:
      case ControlKind::CheckBox:
        EXPECT_EQ(w.Text(id), FromUtf8(c.caption));
        EXPECT_EQ(at.left, S(c.place.left));
        EXPECT_EQ(at.top, S(c.place.top));
        EXPECT_EQ(at.right - at.left, S(c.place.width));
        EXPECT_EQ(at.bottom - at.top, S(c.place.height));
        break;
      case ControlKind::Label:
        EXPECT_EQ(at.left, S(c.place.left));
        if (id != kLabel2) {
          EXPECT_EQ(at.top, S(c.place.top));
        }
        break;
      default:
        break;
    }
    if (c.kind == ControlKind::CheckBox) {
      EXPECT_EQ(SendMessageW(made, BM_GETCHECK, 0, 0), c.checked ? BST_CHECKED : BST_UNCHECKED);
    }
  }
  // Docked: the tool bar across the top, the scroll box below it.
  EXPECT_EQ(InParent(w[kPanel1]).right, client.right);
  EXPECT_EQ(InParent(w[kPanel1]).bottom, S(49));
  const RECT box = InParent(w[kScrollBox1]);
  EXPECT_EQ(box.top, S(49));
  EXPECT_EQ(box.bottom, client.bottom);
  EXPECT_EQ(w.Text(kPageLabel), u"1");
  EXPECT_EQ(w.Text(kPrinterNameLabel), u"オフィスのプリンタ");
  EXPECT_EQ(w.Text(kMemo1), u"概況をここに入力");
  EXPECT_FALSE(IsWindowVisible(w[kMemo1]));
  // The page under the overview field and its button.
  EXPECT_EQ(GetWindow(w[kImage1], GW_HWNDNEXT), nullptr);
  // The field's pale yellow, as it asks its parent for its colours.
  HDC dc = GetDC(w[kMemo1]);
  SendMessageW(GetParent(w[kMemo1]), WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(dc),
               reinterpret_cast<LPARAM>(w[kMemo1]));
  EXPECT_EQ(GetBkColor(dc), RGB(255, 255, 136));
  ReleaseDC(w[kMemo1], dc);
  EXPECT_FALSE(w.Enabled(ToolButton::Previous));
  EXPECT_TRUE(w.Enabled(ToolButton::Next));
}

TEST(Win32MainWindow, ClicksWheelAndKeysReachTheLogicThroughTheTable) {
  using namespace main_controls;
  ShownWindow w(100);
  const int dpi = win32::WindowDpi(w.window.Handle());
  const int step = MulDiv(16, dpi, 96);
  const auto click = [&](ToolButton b) { SendMessageW(w[ToolButtonControl(b)], BM_CLICK, 0, 0); };

  click(ToolButton::Next);
  EXPECT_EQ(w.Text(kPageLabel), u"2");
  EXPECT_TRUE(w.Enabled(ToolButton::Previous));

  // One step a wheel event whatever its delta; a delta of 0 is not the
  // window's.
  struct Turn {
    int delta, scrolled;
  };
  for (const Turn& t :
       {Turn{-120, step}, Turn{-30, 2 * step}, Turn{-480, 3 * step}, Turn{+1, 2 * step}}) {
    SCOPED_TRACE(t.delta);
    EXPECT_TRUE(w.Take(WM_MOUSEWHEEL, MAKEWPARAM(0, t.delta)));
    EXPECT_EQ(w.ScrolledDown(), t.scrolled);
  }
  EXPECT_FALSE(w.Take(WM_MOUSEWHEEL, MAKEWPARAM(0, 0)));

  // Keys page and scroll; with Ctrl they stay the focused control's.
  EXPECT_TRUE(w.Take(WM_KEYDOWN, VK_END));
  EXPECT_EQ(w.Text(kPageLabel), u"3");
  EXPECT_FALSE(w.Enabled(ToolButton::Next));
  EXPECT_TRUE(w.Take(WM_KEYDOWN, VK_DOWN));
  EXPECT_EQ(w.ScrolledDown(), 3 * step);
  HoldCtrl(true);
  EXPECT_FALSE(w.Take(WM_KEYDOWN, VK_HOME));
  HoldCtrl(false);
  EXPECT_EQ(w.Text(kPageLabel), u"3");
  EXPECT_TRUE(w.Take(WM_KEYDOWN, VK_HOME));
  EXPECT_EQ(w.Text(kPageLabel), u"1");
  EXPECT_FALSE(w.Take(WM_KEYDOWN, VK_F5));

  // The overview input: the field over the page, the other buttons off.
  click(ToolButton::Overview);
  EXPECT_EQ(w.Text(ToolButtonControl(ToolButton::Overview)), u"概況閉じる");
  EXPECT_TRUE(IsWindowVisible(w[kMemo1]));
  for (ToolButton b : {ToolButton::PrintAll, ToolButton::PrintCurrent, ToolButton::Previous,
                       ToolButton::Next, ToolButton::Settings})
    EXPECT_FALSE(w.Enabled(b)) << static_cast<int>(b);
  SetWindowTextW(w[kMemo1], L"訪問時、本人は在宅。");
  click(ToolButton::Overview);
  EXPECT_FALSE(IsWindowVisible(w[kMemo1]));
  EXPECT_EQ(w.state.OverviewText, u"訪問時、本人は在宅。");
  EXPECT_TRUE(w.Enabled(ToolButton::Next));

  // The check box is read at the close, which the close button asks for.
  SendMessageW(w[kCheckBox1], BM_CLICK, 0, 0);
  click(ToolButton::Close);
  EXPECT_FALSE(IsWindow(w.window.Handle()));
  EXPECT_NE(ReadBytes(w.dir / "control.ini").find("option=0"), std::string::npos);
  EXPECT_FALSE(std::filesystem::exists(w.dir / "Gaikyo" / "survey.txt"));
}

TEST(Win32MainWindow, AMoveToAMonitorOfAnotherResolutionDrawsThePageThere) {
  TempDir dir;
  WriteBytes(dir / "survey.txt", Survey(60));
  std::filesystem::create_directory(dir / "Gaikyo");
  FakeServices services;
  MainState state;
  IniFile profile(dir / "control.ini", Files());
  MainWindow logic(state, services, profile, (dir / "control.ini").string());
  win32::Win32MainWindow window(logic);
  logic.SetView(window);
  ASSERT_TRUE(logic.FormCreate(dir.path(), (dir / "survey.txt").string()));
  window.Show();
  const BoxTable laidOut = state.Boxes;
  HWND image = ChildOfClass(window.Handle(), L"MireloImage");
  HWND memo = ChildOfClass(window.Handle(), L"Edit");
  ASSERT_TRUE(image && memo);

  // What Windows suggests: the same place, one and a half times the size.
  RECT at;
  GetWindowRect(window.Handle(), &at);
  RECT suggested = {at.left, at.top, at.left + (at.right - at.left) * 3 / 2,
                    at.top + (at.bottom - at.top) * 3 / 2};
  SendMessageW(window.Handle(), WM_DPICHANGED, MAKEWPARAM(144, 144),
               reinterpret_cast<LPARAM>(&suggested));

  // The page at 144 dots per inch (210 × 297 mm), centred in the client
  // area, at the form's top scaled; the overview field over box 2 at the
  // new resolution, at its size scaled.
  const RECT page = InParent(image);
  EXPECT_EQ(page.right - page.left, 1191);
  EXPECT_EQ(page.bottom - page.top, 1684);
  RECT client;
  GetClientRect(window.Handle(), &client);
  const int left = client.right > 1191 ? (client.right - 1191) / 2 : 0;
  EXPECT_EQ(page.left, left);
  EXPECT_EQ(page.top, MulDiv(35, 144, 96));
  const RECT field = InParent(memo);
  EXPECT_EQ(field.left, 85 + left);
  EXPECT_EQ(field.top, 277 + MulDiv(35, 144, 96));
  EXPECT_EQ(field.right - field.left, MulDiv(697, 144, 96));
  EXPECT_EQ(field.bottom - field.top, MulDiv(81, 144, 96));
  // The lines stay those measured at the form's resolution.
  for (int box = 1; box <= kBoxCount; ++box)
    EXPECT_EQ(state.Boxes[box].LineList, laidOut[box].LineList);
  EXPECT_EQ(services.measuringDpis, std::vector<int>{96});
}

}  // namespace
}  // namespace mirelo::test
