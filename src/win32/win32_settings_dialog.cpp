#include "win32/win32_settings_dialog.h"


#include <algorithm>
#include <cmath>

#include "base/messages.h"
#include "win32/wide_text.h"
#include "win32/win32_controls.h"
#include "win32/win32_printers.h"

namespace mirelo::win32 {
namespace {

constexpr int kControlIdBase = 2000;  // the table's control i has the id 2000 + i

Win32SettingsDialog* Owner(HWND window) {
  return reinterpret_cast<Win32SettingsDialog*>(GetWindowLongPtrW(window, GWLP_USERDATA));
}

const WindowLayout& Layout() { return kSettingsDialogLayout; }

}  // namespace

Win32SettingsDialog::Win32SettingsDialog(SettingsDialog& logic, HWND mainWindow)
    : logic_(logic), owner_(mainWindow) {
  const std::wstring windowClass = WideFromUtf8(Layout().name);
  RegisterClassOnce(windowClass.c_str(), WindowProc, GetSysColorBrush(COLOR_BTNFACE));
  dpi_ = WindowDpi(mainWindow);
  RECT frame = {0, 0, Scale(Layout().clientWidth, dpi_), Scale(Layout().clientHeight, dpi_)};
  const DWORD style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
  AdjustWindowRectExForDpi(&frame, style, FALSE, WS_EX_DLGMODALFRAME, static_cast<UINT>(dpi_));
  window_ = CreateWindowExW(WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT, windowClass.c_str(),
                            WideFromUtf8(Layout().caption).c_str(), style, 0, 0,
                            frame.right - frame.left, frame.bottom - frame.top, mainWindow, nullptr,
                            GetModuleHandleW(nullptr), nullptr);
  SetWindowLongPtrW(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));

  // In the table's order, which is the form's Tab order.
  for (std::size_t i = 0; i < Layout().controls.size(); ++i) {
    const Control& c = Layout().controls[i];
    HWND made = MakeTableControl(fonts_, window_, Layout(), c, dpi_, kControlIdBase + static_cast<int>(i));
    for (int s = 0; s < kSpinnerCount; ++s) {
      const auto spinner = static_cast<Spinner>(s);
      if (c.name == EditName(spinner)) {
        edits_[static_cast<std::size_t>(s)] = made;
        SetWindowSubclass(made, EditProc, static_cast<UINT_PTR>(s), reinterpret_cast<DWORD_PTR>(this));
      }
      if (c.name == UpDownName(spinner)) upDowns_[static_cast<std::size_t>(s)] = made;
    }
    if (c.name == kDialogPrinterLabel) printerLabel_ = made;
    if (c.name == "CheckBox5") groupSpacing_ = made;
    names_.push_back(c.name);
  }
  // The line count is typed without the input method.
  ImmAssociateContextEx(Edit(Spinner::UpDown1), nullptr, 0);
}

Win32SettingsDialog::~Win32SettingsDialog() {
  if (IsWindow(window_)) {
    SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
    DestroyWindow(window_);
  }
}

void Win32SettingsDialog::ShowModal() {
  // Centred over the main window.
  RECT over, own;
  GetWindowRect(owner_, &over);
  GetWindowRect(window_, &own);
  const int width = own.right - own.left, height = own.bottom - own.top;
  SetWindowPos(window_, HWND_TOP, (over.left + over.right - width) / 2, (over.top + over.bottom - height) / 2,
               0, 0, SWP_NOSIZE);
  EnableWindow(owner_, FALSE);
  ShowWindow(window_, SW_SHOW);
  lastFocus_ = Named("Button4");
  SetFocus(lastFocus_);
  open_ = true;
  MSG message;
  while (open_ && GetMessageW(&message, nullptr, 0, 0) > 0) {
    if (IsDialogMessageW(window_, &message)) continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  if (open_) {  // the application is ending: the quit goes on to the main loop
    open_ = false;
    PostQuitMessage(static_cast<int>(message.wParam));
  }
  EnableWindow(owner_, TRUE);
  ShowWindow(window_, SW_HIDE);
  SetActiveWindow(owner_);
}

void Win32SettingsDialog::Close() { open_ = false; }

HWND Win32SettingsDialog::Named(std::string_view name) const {
  for (std::size_t i = 0; i < names_.size(); ++i)
    if (names_[i] == name) return GetDlgItem(window_, kControlIdBase + static_cast<int>(i));
  return nullptr;
}

LRESULT CALLBACK Win32SettingsDialog::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  Win32SettingsDialog* self = Owner(window);
  if (!self) return DefWindowProcW(window, message, wParam, lParam);
  return self->Handle(message, wParam, lParam);
}

LRESULT Win32SettingsDialog::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND: {
      const int id = LOWORD(wParam), code = HIWORD(wParam);
      if (id == IDCANCEL) {  // Esc
        logic_.Button3Click();
        return 0;
      }
      const std::size_t index = static_cast<std::size_t>(id - kControlIdBase);
      if (id < kControlIdBase || index >= names_.size()) return 0;
      const std::string_view name = names_[index];
      for (int s = 0; s < kSpinnerCount; ++s) {
        const auto spinner = static_cast<Spinner>(s);
        if (name != EditName(spinner)) continue;
        // Only the user's changes are edits: a position shown is not.
        if (code == EN_CHANGE && !showing_) logic_.SpinnerEdited(spinner, GetText(Edit(spinner)));
        if (code == EN_KILLFOCUS) logic_.SpinnerEntryEnded(spinner);
        return 0;
      }
      if (code != BN_CLICKED) return 0;
      if (name == "Button1") logic_.Button1Click();
      if (name == "Button2") logic_.Button2Click();
      if (name == "Button3") logic_.Button3Click();
      if (name == "Button4") logic_.Button4Click();
      if (name == "CheckBox5")
        logic_.CheckBox5Click(SendMessageW(groupSpacing_, BM_GETCHECK, 0, 0) == BST_CHECKED);
      return 0;
    }
    case WM_NOTIFY: {
      const auto* header = reinterpret_cast<const NMHDR*>(lParam);
      if (header->code != UDN_DELTAPOS) return 0;
      for (int s = 0; s < kSpinnerCount; ++s) {
        if (header->hwndFrom != upDowns_[static_cast<std::size_t>(s)]) continue;
        // An up-down control counts upwards from its lower arrow.
        const int delta = reinterpret_cast<const NMUPDOWN*>(lParam)->iDelta;
        logic_.SpinnerArrow(static_cast<Spinner>(s), delta > 0 ? +1 : -1);
        return TRUE;  // the control keeps no position of its own
      }
      return 0;
    }
    case WM_CLOSE:
      logic_.Button3Click();
      return 0;
    case WM_ACTIVATE:
      // As a dialog does: the control that had the focus when another
      // window (the font or printer dialog, a message box) took over gets
      // it back, not the window itself, so Tab goes on from there.
      if (LOWORD(wParam) == WA_INACTIVE) {
        const HWND focused = GetFocus();
        if (focused && IsChild(window_, focused)) lastFocus_ = focused;
        return 0;
      }
      if (lastFocus_ && IsWindow(lastFocus_) && IsWindowVisible(window_)) {
        SetFocus(lastFocus_);
        return 0;
      }
      break;
    case WM_DPICHANGED: {
      // Moved to a monitor of another resolution: everything follows.
      dpi_ = LOWORD(wParam);
      const RECT* suggested = reinterpret_cast<const RECT*>(lParam);
      SetWindowPos(window_, nullptr, suggested->left, suggested->top, suggested->right - suggested->left,
                   suggested->bottom - suggested->top, SWP_NOZORDER | SWP_NOACTIVATE);
      for (std::size_t i = 0; i < names_.size(); ++i)
        PlaceTableControl(fonts_, Named(names_[i]), Layout(), Layout().controls[i], dpi_);
      SetPrinterLabel(std::u16string(printerName_));
      return 0;
    }
    default:
      break;
  }
  return DefWindowProcW(window_, message, wParam, lParam);
}

LRESULT CALLBACK Win32SettingsDialog::EditProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                               UINT_PTR id, DWORD_PTR owner) {
  auto* self = reinterpret_cast<Win32SettingsDialog*>(owner);
  const auto spinner = static_cast<Spinner>(id);
  if (message == WM_KEYDOWN && (wParam == VK_UP || wParam == VK_DOWN)) {
    self->logic_.SpinnerArrow(spinner, wParam == VK_UP ? +1 : -1);
    return 0;
  }
  if (message == WM_GETDLGCODE && lParam) {
    const MSG* key = reinterpret_cast<const MSG*>(lParam);
    if (key->message == WM_KEYDOWN && key->wParam == VK_RETURN) return DLGC_WANTMESSAGE;
  }
  if (message == WM_KEYDOWN && wParam == VK_RETURN) {
    self->logic_.SpinnerEntryEnded(spinner);  // Enter ends the entry; it presses no button
    return 0;
  }
  if (message == WM_CHAR && wParam == L'\r') return 0;
  return DefSubclassProc(window, message, wParam, lParam);
}

void Win32SettingsDialog::SetPrinterLabel(std::u16string_view name) {
  printerName_ = name;  // whole, for another dpi
  SetElidedLabel(fonts_, printerLabel_, Layout(), ControlNamed(Layout(), kDialogPrinterLabel), dpi_, name);
}

void Win32SettingsDialog::SetSpinnerPosition(Spinner spinner, int position) {
  showing_ = true;
  SetText(Edit(spinner), SpinnerText(position));
  showing_ = false;
}

void Win32SettingsDialog::SetGroupSpacingChecked(bool checked) {
  SendMessageW(groupSpacing_, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

std::optional<FontChoice> Win32SettingsDialog::ChooseFont(std::u16string_view face, int points) {
  LOGFONTW lf = {};
  HDC screen = GetDC(nullptr);
  lf.lfHeight = -MulDiv(std::clamp(points, 1, 1000), GetDeviceCaps(screen, LOGPIXELSY), 72);
  ReleaseDC(nullptr, screen);
  lf.lfCharSet = DEFAULT_CHARSET;
  const std::wstring name = Wide(face.substr(0, LF_FACESIZE - 1));
  name.copy(lf.lfFaceName, name.size());
  CHOOSEFONTW choose = {};
  choose.lStructSize = sizeof(choose);
  choose.hwndOwner = window_;
  choose.lpLogFont = &lf;
  // Face and size only: no effects, no style list that would be ignored.
  choose.Flags = CF_SCREENFONTS | CF_INITTOLOGFONTSTRUCT | CF_NOSCRIPTSEL | CF_NOSTYLESEL;
  if (!::ChooseFontW(&choose)) return std::nullopt;
  const int whole = choose.iPointSize > 0 ? static_cast<int>(std::lround(choose.iPointSize / 10.0)) : points;
  return FontChoice{FromWide(lf.lfFaceName), std::clamp(whole, 1, 1000)};
}

bool Win32SettingsDialog::RunPrinterSetup(PrinterDraft& printerDraft) {
  auto& draft = static_cast<Win32PrinterDraft&>(printerDraft);
  PRINTDLGW dialog = {};
  dialog.lStructSize = sizeof(dialog);
  dialog.hwndOwner = window_;
  // Set-up mode: the printer and its options, confirmed with "OK".
  dialog.Flags = PD_PRINTSETUP;
  // The dialog starts on the draft's printer, with its options.
  const std::wstring name = Wide(draft.name);
  HGLOBAL names = GlobalAlloc(GHND, sizeof(DEVNAMES) + (name.size() + 2) * sizeof(wchar_t));
  if (names) {
    auto* devNames = static_cast<DEVNAMES*>(GlobalLock(names));
    devNames->wDeviceOffset = sizeof(DEVNAMES) / sizeof(wchar_t);
    devNames->wDriverOffset = devNames->wOutputOffset = static_cast<WORD>(devNames->wDeviceOffset + name.size());
    name.copy(reinterpret_cast<wchar_t*>(devNames) + devNames->wDeviceOffset, name.size());
    GlobalUnlock(names);
    dialog.hDevNames = names;
  }
  if (draft.mode.size() >= sizeof(DEVMODEW)) {
    if (HGLOBAL mode = GlobalAlloc(GHND, draft.mode.size())) {
      std::copy(draft.mode.begin(), draft.mode.end(), static_cast<unsigned char*>(GlobalLock(mode)));
      GlobalUnlock(mode);
      dialog.hDevMode = mode;
    }
  }
  const bool confirmed = PrintDlgW(&dialog) != 0;
  if (confirmed && dialog.hDevNames) {
    const auto* devNames = static_cast<const DEVNAMES*>(GlobalLock(dialog.hDevNames));
    draft.name = FromWide(reinterpret_cast<const wchar_t*>(devNames) + devNames->wDeviceOffset);
    GlobalUnlock(dialog.hDevNames);
  }
  if (confirmed && dialog.hDevMode) {
    const auto* bytes = static_cast<const unsigned char*>(GlobalLock(dialog.hDevMode));
    const auto* header = reinterpret_cast<const DEVMODEW*>(bytes);
    draft.mode.assign(bytes, bytes + header->dmSize + header->dmDriverExtra);
    GlobalUnlock(dialog.hDevMode);
  }
  if (dialog.hDevNames) GlobalFree(dialog.hDevNames);
  if (dialog.hDevMode) GlobalFree(dialog.hDevMode);
  return confirmed;
}

void Win32SettingsDialog::ShowMessage(std::string_view utf8) {
  MessageBoxW(window_, WideFromUtf8(utf8).c_str(), WideFromUtf8(msg::kAppTitle).c_str(), MB_OK);
}

void Win32SettingsDialog::ShowError(std::string_view utf8) {
  MessageBoxW(window_, WideFromUtf8(utf8).c_str(), WideFromUtf8(msg::kAppTitle).c_str(), MB_OK | MB_ICONERROR);
}

}  // namespace mirelo::win32
