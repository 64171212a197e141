#include "win32/win32_settings_dialog.h"


#include <algorithm>
#include <cmath>

#include "base/messages.h"
#include "win32/wide_text.h"
#include "win32/win32_controls.h"

namespace mirelo::win32 {
namespace {

constexpr int kClientWidth = 486, kClientHeight = 360;
constexpr wchar_t kWindowClass[] = L"TForm2";

enum ControlId { kButton1 = 201, kButton2, kButton3, kButton4, kCheckBox5, kEditBase = 300, kUpDownBase = 400 };

struct ButtonPlace {
  int id;
  const char* caption;
  int left, top, width, height;
};

// In the form's Tab order.
constexpr ButtonPlace kButtons[] = {
    {kButton4, msg::kChangePrinterCaption, 24, 8, 145, 33},
    {kButton3, msg::kCloseCaption, 386, 8, 75, 25},
    {kButton1, msg::kOverviewFontCaption, 24, 80, 145, 33},
    {kButton2, msg::kNotesFontCaption, 24, 136, 145, 33},
};

struct SpinnerPlace {
  Spinner spinner;
  int left, top, editWidth, height;  // the spinner stands right of its field, 16 wide
  bool readOnly;
  int fontPixels;
};

constexpr SpinnerPlace kSpinners[] = {
    {Spinner::UpDown1, 216, 88, 33, 24, false, 13},
    {Spinner::UpDownPenWidth, 344, 88, 33, 22, false, 12},
    {Spinner::UpDownTabLen, 216, 144, 33, 22, false, 12},
    {Spinner::UpDown2, 104, 224, 57, 22, true, 12},
    {Spinner::UpDown4, 272, 224, 57, 22, false, 12},
    {Spinner::UpDown3, 104, 272, 57, 22, true, 12},
    {Spinner::UpDown5, 272, 272, 57, 22, false, 12},
};
constexpr int kUpDownWidth = 16;

struct LabelPlace {
  const char* caption;
  int left, top;
};

constexpr LabelPlace kLabels[] = {
    {msg::kOverviewLinesLabel, 208, 72}, {msg::kPenWidthLabel, 328, 72},
    {msg::kNumberColumnLabel, 208, 128}, {msg::kNumberColumnUnitLabel, 208, 168},
    {msg::kScaleLabel, 24, 200},         {msg::kOffsetLabel, 224, 200},
    {msg::kScaleXLabel, 24, 232},        {msg::kOffsetXLabel, 224, 232},
    {msg::kScaleXHint, 80, 248},         {msg::kOffsetXHint, 256, 248},
    {msg::kScaleYLabel, 24, 280},        {msg::kOffsetYLabel, 224, 280},
    {msg::kScaleYHint, 80, 296},         {msg::kOffsetYHint, 256, 296},
};

Win32SettingsDialog* Owner(HWND window) {
  return reinterpret_cast<Win32SettingsDialog*>(GetWindowLongPtrW(window, GWLP_USERDATA));
}

}  // namespace

Win32SettingsDialog::Win32SettingsDialog(SettingsDialog& logic, HWND mainWindow)
    : logic_(logic), owner_(mainWindow) {
  RegisterClassOnce(kWindowClass, WindowProc, GetSysColorBrush(COLOR_BTNFACE));
  dpi_ = WindowDpi(mainWindow);
  RECT frame = {0, 0, Scale(kClientWidth, dpi_), Scale(kClientHeight, dpi_)};
  const DWORD style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
  AdjustWindowRectExForDpi(&frame, style, FALSE, WS_EX_DLGMODALFRAME, static_cast<UINT>(dpi_));
  window_ = CreateWindowExW(WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT, kWindowClass,
                            WideFromUtf8(msg::kSettingsCaption).c_str(), style, 0, 0,
                            frame.right - frame.left, frame.bottom - frame.top, mainWindow, nullptr,
                            GetModuleHandleW(nullptr), nullptr);
  SetWindowLongPtrW(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  HFONT font = FormControlFont(11, dpi_);

  for (const ButtonPlace& b : kButtons) {
    HWND button = MakeControl(window_, L"BUTTON", b.caption, BS_PUSHBUTTON | WS_TABSTOP, b.left,
                              b.top, b.width, b.height, dpi_, b.id);
    UseFont(button, font);
  }
  printerLabel_ = MakeControl(window_, L"STATIC", "", SS_LEFT | SS_NOPREFIX, 16, 48, 200, 14, dpi_);
  UseFont(printerLabel_, font);

  for (const SpinnerPlace& s : kSpinners) {
    const auto index = static_cast<std::size_t>(s.spinner);
    HWND edit = MakeControl(window_, L"EDIT", "", ES_LEFT | ES_AUTOHSCROLL | WS_TABSTOP |
                                                      (s.readOnly ? ES_READONLY : 0),
                            s.left, s.top, s.editWidth, s.height, dpi_,
                            kEditBase + static_cast<int>(index), WS_EX_CLIENTEDGE);
    UseFont(edit, FormControlFont(s.fontPixels, dpi_));
    SetWindowSubclass(edit, EditProc, index, reinterpret_cast<DWORD_PTR>(this));
    edits_[index] = edit;
    // An up-down control of its own, without a buddy: the logic keeps the
    // position and the field shows it.
    upDowns_[index] = MakeControl(window_, UPDOWN_CLASSW, "", UDS_ARROWKEYS, s.left + s.editWidth,
                                  s.top, kUpDownWidth, s.height, dpi_, kUpDownBase + static_cast<int>(index));
    SendMessageW(upDowns_[index], UDM_SETRANGE32, static_cast<WPARAM>(-1000000), 1000000);
  }
  // The line count is typed without the input method.
  ImmAssociateContextEx(Edit(Spinner::UpDown1), nullptr, 0);

  groupSpacing_ = MakeControl(window_, L"BUTTON", msg::kGroupSpacingCaption, BS_AUTOCHECKBOX | WS_TABSTOP,
                              24, 328, 185, 17, dpi_, kCheckBox5);
  UseFont(groupSpacing_, font);
  for (const LabelPlace& l : kLabels) {
    HWND label = MakeControl(window_, L"STATIC", l.caption, SS_LEFT | SS_NOPREFIX, l.left, l.top, 10, 10, dpi_);
    UseFont(label, font);
    FitLabelToText(label);
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
  SetWindowPos(window_, HWND_TOP, (over.left + over.right - width) / 2, (over.top + over.bottom - height) / 2,
               0, 0, SWP_NOSIZE);
  EnableWindow(owner_, FALSE);
  ShowWindow(window_, SW_SHOW);
  SetFocus(GetDlgItem(window_, kButton4));
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

void Win32SettingsDialog::Close() {
  // A number still being typed is taken as an entry before the dialog goes.
  for (int i = 0; i < kSpinnerCount; ++i) TakeEntry(static_cast<Spinner>(i));
  open_ = false;
}

void Win32SettingsDialog::TakeEntry(Spinner spinner) {
  HWND edit = Edit(spinner);
  if (!SendMessageW(edit, EM_GETMODIFY, 0, 0)) return;  // showing a position: nothing new
  SendMessageW(edit, EM_SETMODIFY, FALSE, 0);
  logic_.SpinnerEntry(spinner, GetText(edit));
}

void Win32SettingsDialog::Arrow(Spinner spinner, int step) {
  // A number being typed is where the arrow starts from.
  TakeEntry(spinner);
  logic_.SpinnerArrow(spinner, step);
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
      if (id >= kEditBase && id < kEditBase + kSpinnerCount) {
        if (code == EN_KILLFOCUS) TakeEntry(static_cast<Spinner>(id - kEditBase));
        return 0;
      }
      if (code != BN_CLICKED) return 0;
      switch (id) {
        case kButton1: logic_.Button1Click(); break;
        case kButton2: logic_.Button2Click(); break;
        case kButton3: logic_.Button3Click(); break;
        case kButton4: logic_.Button4Click(); break;
        case kCheckBox5:
          logic_.CheckBox5Click(SendMessageW(groupSpacing_, BM_GETCHECK, 0, 0) == BST_CHECKED);
          break;
        case IDCANCEL: Close(); break;  // Esc
        default: break;
      }
      return 0;
    }
    case WM_NOTIFY: {
      const auto* header = reinterpret_cast<const NMHDR*>(lParam);
      const int id = static_cast<int>(header->idFrom);
      if (header->code == UDN_DELTAPOS && id >= kUpDownBase && id < kUpDownBase + kSpinnerCount) {
        // An up-down control counts downwards from its top arrow.
        const int delta = reinterpret_cast<const NMUPDOWN*>(lParam)->iDelta;
        Arrow(static_cast<Spinner>(id - kUpDownBase), delta > 0 ? +1 : -1);
        return TRUE;  // the control keeps no position of its own
      }
      return 0;
    }
    case WM_CLOSE:
      Close();
      return 0;
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
    self->Arrow(spinner, wParam == VK_UP ? +1 : -1);
    return 0;
  }
  if (message == WM_GETDLGCODE && lParam) {
    const MSG* key = reinterpret_cast<const MSG*>(lParam);
    if (key->message == WM_KEYDOWN && key->wParam == VK_RETURN) return DLGC_WANTMESSAGE;
  }
  if (message == WM_KEYDOWN && wParam == VK_RETURN) {
    self->TakeEntry(spinner);  // Enter finishes the entry; it presses no button
    return 0;
  }
  if (message == WM_CHAR && wParam == L'\r') return 0;
  return DefSubclassProc(window, message, wParam, lParam);
}

void Win32SettingsDialog::SetPrinterLabel(std::u16string_view name) {
  SetText(printerLabel_, name);
  FitLabelToText(printerLabel_);
}

void Win32SettingsDialog::SetSpinnerPosition(Spinner spinner, int position) {
  SetText(Edit(spinner), SpinnerText(position));
  SendMessageW(Edit(spinner), EM_SETMODIFY, FALSE, 0);
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

void Win32SettingsDialog::ShowMessage(std::string_view utf8) {
  MessageBoxW(window_, WideFromUtf8(utf8).c_str(), WideFromUtf8(msg::kAppTitle).c_str(), MB_OK);
}

void Win32SettingsDialog::ShowError(std::string_view utf8) {
  MessageBoxW(window_, WideFromUtf8(utf8).c_str(), WideFromUtf8(msg::kAppTitle).c_str(), MB_OK | MB_ICONERROR);
}

}  // namespace mirelo::win32
