// The Windows print settings dialog on the shared logic, with doubles only
// at the platform interfaces: every control of the table at its place with
// its caption and state, Tab in the table's order, and the states after
// clicks, arrows, keys and typing.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/text_encoding.h"
#include "compose/box_settings.h"
#include "win32/win32_controls.h"
#include "win32/win32_settings_dialog.h"
#include "win32_window_tests.h"
#include "window_doubles.h"

namespace mirelo::test {
namespace {

using namespace dialog_controls;

struct Dialog {
  MainState state;
  FakePrinters printers;
  PrinterChoice printer{printers};
  FakeView mainView;
  SettingsDialog logic{state, printer, mainView};
  win32::Win32SettingsDialog dialog{logic, nullptr};

  Dialog() {
    SetDefaultBoxes(state.Boxes);
    state.Boxes[2].LinesPerPage = 6;
    state.Boxes[3].TabPos = 15.0;
    printer.SelectDefault();
    logic.SetView(dialog);
  }
  HWND operator[](DialogControl c) const { return dialog.Control(c); }
  HWND Field(Spinner s) const { return dialog.Control(EditControl(s)); }
  std::u16string Text(Spinner s) const { return win32::GetText(Field(s)); }
  // Characters as the keyboard sends them to a field, its text selected
  // first where asked.
  void Type(Spinner s, std::u16string_view keys, bool overSelection = false) {
    if (overSelection) SendMessageW(Field(s), EM_SETSEL, 0, -1);
    for (char16_t c : keys) SendMessageW(Field(s), WM_CHAR, c, 0);
  }
  void Press(Spinner s, WPARAM key) { SendMessageW(Field(s), WM_KEYDOWN, key, 0); }
};

TEST(Win32SettingsDialog, EveryControlOfTheTableStandsAtItsPlaceAndTabWalksTheTable) {
  Dialog d;
  const int dpi = win32::WindowDpi(d.dialog.Handle());
  const auto S = [&](int pixels) { return MulDiv(pixels, dpi, 96); };
  RECT client;
  GetClientRect(d.dialog.Handle(), &client);
  EXPECT_EQ(client.right, S(486));
  EXPECT_EQ(client.bottom, S(360));
  EXPECT_EQ(win32::GetText(d.dialog.Handle()), u"印刷設定");
  std::vector<HWND> tabStops;
  for (std::size_t i = 0; i < kDialogControls.size(); ++i) {
    const DialogControl id = DialogControl::At(i);
    const Control& c = id.Facts();
    SCOPED_TRACE(std::string(c.name));
    const HWND made = d[id];
    ASSERT_TRUE(made && GetParent(made) == d.dialog.Handle());
    const RECT at = InParent(made);
    EXPECT_EQ(at.left, S(c.place.left));
    EXPECT_EQ(at.top, S(c.place.top));
    if (c.place.width > 0) {
      EXPECT_EQ(at.right - at.left, S(c.place.width));
      EXPECT_EQ(at.bottom - at.top, S(c.place.height));
    }
    if (!c.caption.empty()) {
      EXPECT_EQ(win32::GetText(made), FromUtf8(c.caption));
    }
    const LONG style = GetWindowLongW(made, GWL_STYLE);
    if (c.kind == ControlKind::Edit) {
      EXPECT_EQ((style & ES_READONLY) != 0, c.readOnly);
    }
    if (c.kind == ControlKind::CheckBox) {
      EXPECT_EQ(SendMessageW(made, BM_GETCHECK, 0, 0), c.checked ? BST_CHECKED : BST_UNCHECKED);
    }
    if (style & WS_TABSTOP) tabStops.push_back(made);
  }
  // The buttons, the fields in the table's order, the check box last.
  ASSERT_EQ(tabStops.size(), 12u);
  EXPECT_EQ(tabStops.front(), d[kChangePrinter]);
  EXPECT_EQ(tabStops.back(), d[kGroupSpacing]);
  for (std::size_t i = 0; i < tabStops.size(); ++i)
    EXPECT_EQ(GetNextDlgTabItem(d.dialog.Handle(), tabStops[i], FALSE),
              tabStops[(i + 1) % tabStops.size()])
        << i;
  // The line count is typed without the input method.
  EXPECT_EQ(ImmGetContext(d.Field(Spinner::UpDown1)), nullptr);
}

TEST(Win32SettingsDialog, ClicksArrowsKeysAndTypingReachTheLogic) {
  Dialog d;
  d.logic.FormShow();
  EXPECT_EQ(win32::GetText(d[kPrinterLabel]), u"オフィスのプリンタ");
  EXPECT_EQ(d.Text(Spinner::UpDown1), u"6");
  EXPECT_EQ(d.Text(Spinner::UpDown2), u"1,000");
  EXPECT_EQ(d.Text(Spinner::UpDownTabLen), u"15");

  SendMessageW(d[kGroupSpacing], BM_CLICK, 0, 0);
  EXPECT_TRUE(d.state.Settings.sw5);

  // The up-down's upper arrow, pressed as the mouse presses it.
  const HWND upDown = d[UpDownControl(Spinner::UpDown2)];
  SendMessageW(upDown, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(4, 2));
  SendMessageW(upDown, WM_LBUTTONUP, 0, MAKELPARAM(4, 2));
  EXPECT_EQ(d.state.Settings.x_Bai, 1.001);
  EXPECT_EQ(d.Text(Spinner::UpDown2), u"1,001");

  // Up and Down in a field step its spinner; with Ctrl they are the field's.
  d.Press(Spinner::UpDown1, VK_UP);
  EXPECT_EQ(d.state.Boxes[2].LinesPerPage, 7);
  EXPECT_EQ(d.Text(Spinner::UpDown1), u"7");
  HoldCtrl(true);
  d.Press(Spinner::UpDown1, VK_UP);
  HoldCtrl(false);
  EXPECT_EQ(d.state.Boxes[2].LinesPerPage, 7);

  // Typed: what cannot become a number is refused as it is typed; nothing
  // is taken until Enter, which takes it within the range.
  struct Keys {
    std::u16string_view typed, shown;
  };
  d.Type(Spinner::UpDownTabLen, u"", true);
  for (const Keys& k : {Keys{u"3", u"3"}, Keys{u"a", u"3"}, Keys{u"0", u"30"}, Keys{u".", u"30"}}) {
    d.Type(Spinner::UpDownTabLen, k.typed);
    EXPECT_EQ(d.Text(Spinner::UpDownTabLen), k.shown);
  }
  EXPECT_EQ(d.state.Boxes[3].TabPos, 15.0);
  d.Press(Spinner::UpDownTabLen, VK_RETURN);
  EXPECT_EQ(d.state.Boxes[3].TabPos, 25.0);
  EXPECT_EQ(d.Text(Spinner::UpDownTabLen), u"25");

  // Shown modally: a sign on the way to a number is allowed, a letter is
  // not; the close button ends the display and the number still being
  // typed counts.
  PostMessageW(d.Field(Spinner::UpDown4), EM_SETSEL, 0, -1);
  for (char16_t c : std::u16string_view(u"-a5"))
    PostMessageW(d.Field(Spinner::UpDown4), WM_CHAR, c, 0);
  PostMessageW(d[kClose], BM_CLICK, 0, 0);
  d.logic.ShowModal();
  EXPECT_FALSE(IsWindowVisible(d.dialog.Handle()));
  EXPECT_EQ(d.Text(Spinner::UpDown4), u"-5");
  EXPECT_EQ(d.state.Settings.x_offset, -0.5);
}

}  // namespace
}  // namespace mirelo::test
