#include "win32/win32_settings_dialog.h"

#include <algorithm>

#include "base/messages.h"
#include "base/text_encoding.h"
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

  // In the table's order, which is the order Tab walks.
  controls_.assign(Layout().controls.size(), nullptr);
  typed_.assign(Layout().controls.size(), std::u16string());
  for (std::size_t i = 0; i < Layout().controls.size(); ++i) {
    const mirelo::Control& c = Layout().controls[i];
    HWND made =
        MakeTableControl(fonts_, window_, Layout(), c, dpi_, kControlIdBase + static_cast<int>(i));
    if (c.kind == ControlKind::Edit)
      SetWindowSubclass(made, EditProc, i, reinterpret_cast<DWORD_PTR>(this));
    controls_[i] = made;
  }
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
  SetWindowPos(window_, HWND_TOP, (over.left + over.right - width) / 2,
               (over.top + over.bottom - height) / 2, 0, 0, SWP_NOSIZE);
  EnableWindow(owner_, FALSE);
  ShowWindow(window_, SW_SHOW);
  lastFocus_ = Control(dialog_controls::kChangePrinter);
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

std::optional<DialogControl> Win32SettingsDialog::ControlOfId(UINT_PTR id) const {
  const std::size_t index = static_cast<std::size_t>(id - kControlIdBase);
  if (id < kControlIdBase || index >= controls_.size()) return std::nullopt;
  return DialogControl::At(index);
}

LRESULT CALLBACK Win32SettingsDialog::WindowProc(HWND window, UINT message, WPARAM wParam,
                                                 LPARAM lParam) {
  Win32SettingsDialog* self = Owner(window);
  if (!self) return DefWindowProcW(window, message, wParam, lParam);
  return self->Handle(message, wParam, lParam);
}

LRESULT Win32SettingsDialog::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND: {
      const int code = HIWORD(wParam);
      if (LOWORD(wParam) == IDCANCEL) {  // Esc
        logic_.Click(dialog_controls::kClose);
        return 0;
      }
      const std::optional<DialogControl> control = ControlOfId(LOWORD(wParam));
      if (!control) return 0;
      if (code == BN_CLICKED) logic_.Click(*control);
      // Only the user's changes are typing: a position shown is not.
      if (code == EN_CHANGE && !showing_) Typed(*control);
      if (code == EN_KILLFOCUS) logic_.EntryEnded(*control);
      return 0;
    }
    case WM_NOTIFY: {
      const auto* header = reinterpret_cast<const NMHDR*>(lParam);
      const std::optional<DialogControl> control = ControlOfId(header->idFrom);
      if (header->code != UDN_DELTAPOS || !control) return 0;
      // An up-down control counts upwards from its lower arrow.
      logic_.Arrow(*control, reinterpret_cast<const NMUPDOWN*>(lParam)->iDelta > 0 ? +1 : -1);
      return TRUE;  // the control keeps no position of its own
    }
    case WM_CLOSE:
      logic_.Click(dialog_controls::kClose);
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
      SetWindowPos(window_, nullptr, suggested->left, suggested->top,
                   suggested->right - suggested->left, suggested->bottom - suggested->top,
                   SWP_NOZORDER | SWP_NOACTIVATE);
      for (std::size_t i = 0; i < controls_.size(); ++i)
        PlaceTableControl(fonts_, controls_[i], Layout(), Layout().controls[i], dpi_);
      SetPrinterLabel(std::u16string(printerName_));
      return 0;
    }
    default:
      break;
  }
  return DefWindowProcW(window_, message, wParam, lParam);
}

void Win32SettingsDialog::Typed(DialogControl field) {
  HWND edit = Control(field);
  std::u16string& kept = typed_[field.Index()];
  const std::u16string text = GetText(edit);
  if (logic_.Typed(field, text)) {
    kept = text;
    return;
  }
  // What cannot become a number is not taken: the field shows what it had,
  // the caret where the refused keys began.
  DWORD caret = 0;
  SendMessageW(edit, EM_GETSEL, 0, reinterpret_cast<LPARAM>(&caret));
  const std::size_t grown = text.size() > kept.size() ? text.size() - kept.size() : 0;
  const DWORD at =
      static_cast<DWORD>(std::min<std::size_t>(caret > grown ? caret - grown : 0, kept.size()));
  showing_ = true;
  SetText(edit, kept);
  showing_ = false;
  SendMessageW(edit, EM_SETSEL, at, at);
}

LRESULT CALLBACK Win32SettingsDialog::EditProc(HWND window, UINT message, WPARAM wParam,
                                               LPARAM lParam, UINT_PTR index, DWORD_PTR owner) {
  auto* self = reinterpret_cast<Win32SettingsDialog*>(owner);
  if (message == WM_KEYDOWN) {
    const std::optional<Key> key = KeyOfVirtualKey(wParam);
    if (key && self->logic_.KeyDown(DialogControl::At(index), *key, ModifierHeld())) return 0;
  }
  // Enter is the field's (it ends the entry), not the dialog's.
  if (message == WM_GETDLGCODE && lParam) {
    const MSG* key = reinterpret_cast<const MSG*>(lParam);
    if (key->message == WM_KEYDOWN && key->wParam == VK_RETURN) return DLGC_WANTMESSAGE;
  }
  if (message == WM_CHAR && wParam == L'\r') return 0;
  return DefSubclassProc(window, message, wParam, lParam);
}

void Win32SettingsDialog::SetPrinterLabel(std::u16string_view name) {
  printerName_ = name;  // whole, for another dpi
  SetElidedLabel(fonts_, Control(dialog_controls::kPrinterLabel), Layout(),
                 dialog_controls::kPrinterLabel.Facts(), dpi_, name);
}

void Win32SettingsDialog::SetSpinnerPosition(Spinner spinner, int position) {
  const DialogControl field = EditControl(spinner);
  typed_[field.Index()] = FromUtf8(SpinnerText(position));
  showing_ = true;
  SetText(Control(field), typed_[field.Index()]);
  showing_ = false;
}

void Win32SettingsDialog::SetGroupSpacingChecked(bool checked) {
  SendMessageW(Control(dialog_controls::kGroupSpacing), BM_SETCHECK,
               checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

bool Win32SettingsDialog::GroupSpacingChecked() const {
  return SendMessageW(Control(dialog_controls::kGroupSpacing), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

std::optional<FontChoice> Win32SettingsDialog::ChooseFont(std::u16string_view face, int points) {
  LOGFONTW lf = {};
  lf.lfHeight = -MulDiv(points, GetDeviceCaps(WindowDc(nullptr).Get(), LOGPIXELSY), 72);
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
  return ChosenFont(FromWide(lf.lfFaceName), choose.iPointSize / 10.0, points);
}

bool Win32SettingsDialog::RunPrinterSetup(PrinterDraft& printerDraft) {
  auto& draft = static_cast<Win32PrinterDraft&>(printerDraft);
  // The dialog starts on the draft's printer, with its options; the memory
  // is the dialog's while it runs, and comes back as its answer (the same
  // or new handles), freed here on every way out.
  const std::wstring name = Wide(draft.name);
  GlobalMemory names(GlobalAlloc(GHND, sizeof(DEVNAMES) + (name.size() + 2) * sizeof(wchar_t)));
  if (const GlobalLockGuard lock(names.Get()); lock) {
    auto* devNames = lock.As<DEVNAMES>();
    devNames->wDeviceOffset = sizeof(DEVNAMES) / sizeof(wchar_t);
    devNames->wDriverOffset = devNames->wOutputOffset =
        static_cast<WORD>(devNames->wDeviceOffset + name.size());
    name.copy(reinterpret_cast<wchar_t*>(devNames) + devNames->wDeviceOffset, name.size());
  }
  GlobalMemory mode;
  if (draft.mode.size() >= sizeof(DEVMODEW)) {
    mode.Reset(GlobalAlloc(GHND, draft.mode.size()));
    if (const GlobalLockGuard lock(mode.Get()); lock)
      std::copy(draft.mode.begin(), draft.mode.end(), lock.As<unsigned char>());
  }
  PRINTDLGW dialog = {};
  dialog.lStructSize = sizeof(dialog);
  dialog.hwndOwner = window_;
  // Set-up mode: the printer and its options, confirmed with "OK".
  dialog.Flags = PD_PRINTSETUP;
  dialog.hDevNames = names.Release();
  dialog.hDevMode = mode.Release();
  const bool confirmed = PrintDlgW(&dialog) != 0;
  names.Reset(dialog.hDevNames);
  mode.Reset(dialog.hDevMode);
  if (!confirmed) return false;
  if (const GlobalLockGuard lock(names.Get()); lock) {
    const auto* devNames = lock.As<const DEVNAMES>();
    draft.name = FromWide(reinterpret_cast<const wchar_t*>(devNames) + devNames->wDeviceOffset);
  }
  if (const GlobalLockGuard lock(mode.Get()); lock) {
    const auto* bytes = lock.As<const unsigned char>();
    const auto* header = reinterpret_cast<const DEVMODEW*>(bytes);
    draft.mode.assign(bytes, bytes + header->dmSize + header->dmDriverExtra);
  }
  return true;
}

void Win32SettingsDialog::ShowMessage(std::string_view utf8) {
  MessageBoxW(window_, WideFromUtf8(utf8).c_str(), WideFromUtf8(msg::kAppTitle).c_str(), MB_OK);
}

void Win32SettingsDialog::ShowError(std::string_view utf8) {
  MessageBoxW(window_, WideFromUtf8(utf8).c_str(), WideFromUtf8(msg::kAppTitle).c_str(),
              MB_OK | MB_ICONERROR);
}

}  // namespace mirelo::win32
