#include "win32/win32_main_window.h"


#include <algorithm>

#include "base/messages.h"
#include "win32/wide_text.h"
#include "win32/win32_controls.h"

namespace mirelo::win32 {
namespace {

struct ButtonPlace {
  ToolButton button;
  const char* caption;
  int left, top, width, height;
  bool onPanel;
};

// The design places, in pixels at 96 dots per inch.
constexpr ButtonPlace kButtons[] = {
    {ToolButton::PrintAll, msg::kPrintAllCaption, 8, 4, 89, 33, true},
    {ToolButton::PrintCurrent, msg::kPrintCurrentCaption, 112, 4, 89, 33, true},
    {ToolButton::Previous, msg::kPreviousPageCaption, 296, 4, 73, 33, true},
    {ToolButton::Next, msg::kNextPageCaption, 392, 4, 73, 33, true},
    {ToolButton::Overview, msg::kOverviewOpenCaption, 96, 152, 89, 33, false},
    {ToolButton::Settings, msg::kSettingsCaption, 680, 4, 89, 33, true},
    {ToolButton::Close, msg::kCloseCaption, 816, 4, 57, 33, true},
};

constexpr int kPanelHeight = 49;
constexpr int kMemoWidth = 697, kMemoHeight = 81;
constexpr int kMemoDesignLeft = 60, kMemoDesignTop = 272;
constexpr int kLabel2Left = 328;
constexpr int kButtonIdBase = 100;  // SpeedButtonN has the id 100 + N
constexpr COLORREF kMemoColour = RGB(255, 255, 136);

constexpr wchar_t kWindowClass[] = L"TForm1";
constexpr wchar_t kPanelClass[] = L"MireloPanel";
constexpr wchar_t kScrollBoxClass[] = L"MireloScrollBox";
constexpr wchar_t kContentClass[] = L"MireloScrollContent";
constexpr wchar_t kImageClass[] = L"MireloImage";

Win32MainWindow* Owner(HWND window) {
  return reinterpret_cast<Win32MainWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
}

void Own(HWND window, void* owner) { SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(owner)); }

std::wstring Caption(std::string_view utf8) { return WideFromUtf8(utf8); }

}  // namespace

int Win32MainWindow::S(int designPixels) const { return Scale(designPixels, dpi_); }

Win32MainWindow::Win32MainWindow(MainWindow& logic) : logic_(logic) {
  HBRUSH face = GetSysColorBrush(COLOR_BTNFACE);
  RegisterClassOnce(kWindowClass, WindowProc, face);
  RegisterClassOnce(kPanelClass, PanelProc, face);
  RegisterClassOnce(kScrollBoxClass, ScrollBoxProc, face);
  RegisterClassOnce(kContentClass, ContentProc, face);
  RegisterClassOnce(kImageClass, ImageProc, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  memoBrush_ = CreateSolidBrush(kMemoColour);

  dpi_ = WindowDpi(nullptr);
  // Client area 892 x 701 at 96 dots per inch, in a normal resizable frame.
  RECT frame = {0, 0, S(kClientWidth), S(kClientHeight)};
  const DWORD style = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;
  AdjustWindowRectExForDpi(&frame, style, FALSE, 0, static_cast<UINT>(dpi_));
  window_ = CreateWindowExW(0, kWindowClass, L"", style, CW_USEDEFAULT, CW_USEDEFAULT,
                            frame.right - frame.left, frame.bottom - frame.top, nullptr, nullptr,
                            GetModuleHandleW(nullptr), nullptr);
  Own(window_, this);
  const int createdDpi = WindowDpi(window_);
  if (createdDpi != dpi_) {
    // The window came up on a monitor of another resolution.
    dpi_ = createdDpi;
    frame = RECT{0, 0, S(kClientWidth), S(kClientHeight)};
    AdjustWindowRectExForDpi(&frame, style, FALSE, 0, static_cast<UINT>(dpi_));
    SetWindowPos(window_, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
  HFONT font = FormControlFont(11, dpi_);

  panel_ = CreateWindowExW(0, kPanelClass, L"", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0,
                           S(kClientWidth), S(kPanelHeight), window_, nullptr,
                           GetModuleHandleW(nullptr), nullptr);
  Own(panel_, this);
  scrollBox_ = CreateWindowExW(0, kScrollBoxClass, L"",
                               WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_HSCROLL | WS_CLIPCHILDREN, 0,
                               S(kPanelHeight), S(kClientWidth), S(kClientHeight - kPanelHeight),
                               window_, nullptr, GetModuleHandleW(nullptr), nullptr);
  Own(scrollBox_, this);
  content_ = CreateWindowExW(0, kContentClass, L"", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0,
                             S(kClientWidth), S(kClientHeight), scrollBox_, nullptr,
                             GetModuleHandleW(nullptr), nullptr);
  Own(content_, this);

  for (const ButtonPlace& b : kButtons) {
    const int id = kButtonIdBase + static_cast<int>(b.button);
    HWND button = MakeControl(b.onPanel ? panel_ : content_, L"BUTTON", b.caption, BS_PUSHBUTTON,
                              b.left, b.top, b.width, b.height, dpi_, id);
    UseFont(button, font);
    TakeNoFocus(button);  // tool buttons take no focus
    buttons_[static_cast<std::size_t>(b.button) - 1] = button;
  }

  pageLabel_ = MakeControl(panel_, L"STATIC", "1", SS_LEFT, 376, 10, 12, 18, dpi_);
  UseFont(pageLabel_, FormControlFont(15, dpi_));
  FitLabelToText(pageLabel_);
  saveOverview_ = MakeControl(panel_, L"BUTTON", msg::kSaveOverviewCaption,
                              BS_AUTOCHECKBOX | WS_TABSTOP, 504, 8, 97, 17, dpi_);
  UseFont(saveOverview_, font);
  SendMessageW(saveOverview_, BM_SETCHECK, BST_CHECKED, 0);
  printerCaption_ = MakeControl(panel_, L"STATIC", msg::kPrinterLabelCaption, SS_LEFT, 504, 32, 48, 14, dpi_);
  UseFont(printerCaption_, font);
  FitLabelToText(printerCaption_);
  printerLabel_ = MakeControl(panel_, L"STATIC", "", SS_LEFT | SS_NOPREFIX, 552, 32, 120, 14, dpi_);
  UseFont(printerLabel_, font);
  // The printer's name stands at 552, or right of the caption where the
  // caption's face is wider than the form's.
  RECT caption;
  GetWindowRect(printerCaption_, &caption);
  MapWindowPoints(nullptr, panel_, reinterpret_cast<POINT*>(&caption), 2);
  SetWindowPos(printerLabel_, nullptr, std::max(S(552), static_cast<int>(caption.right) + S(2)), S(32), 0, 0,
               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);

  image_ = CreateWindowExW(0, kImageClass, L"", WS_CHILD | WS_VISIBLE, 0, S(kImageTop), 1, 1, content_,
                           nullptr, GetModuleHandleW(nullptr), nullptr);
  Own(image_, this);
  label2_ = MakeControl(content_, L"STATIC", " ", SS_LEFT, kLabel2Left, 0, 4, 14, dpi_);
  UseFont(label2_, font);
  memo_ = MakeControl(content_, L"EDIT", msg::kOverviewPlaceholder,
                      ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN | WS_VSCROLL | WS_TABSTOP,
                      kMemoDesignLeft, kMemoDesignTop, kMemoWidth, kMemoHeight, dpi_, 0, WS_EX_CLIENTEDGE);
  memoFont_ = FormControlFont(13, dpi_);
  UseFont(memo_, memoFont_);
  // The page lies under the overview field and its button.
  SetWindowPos(image_, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  FitScrollContent();
}

Win32MainWindow::~Win32MainWindow() {
  if (IsWindow(window_)) {
    Own(window_, nullptr);
    DestroyWindow(window_);
  }
  DeleteObject(memoBrush_);
}

void Win32MainWindow::Show() {
  ShowWindow(window_, SW_SHOW);
  UpdateWindow(window_);
  logic_.FormShow();
}

bool Win32MainWindow::PreTranslate(const MSG& message) {
  if (message.message != WM_MOUSEWHEEL || !IsWindowEnabled(window_)) return false;
  if (message.hwnd != window_ && !IsChild(window_, message.hwnd)) return false;
  // One step of the logic a notch; a fine wheel's parts add up to notches.
  wheelRest_ += GET_WHEEL_DELTA_WPARAM(message.wParam);
  while (wheelRest_ <= -WHEEL_DELTA) {
    wheelRest_ += WHEEL_DELTA;
    logic_.FormMouseWheelDown();
  }
  while (wheelRest_ >= WHEEL_DELTA) {
    wheelRest_ -= WHEEL_DELTA;
    logic_.FormMouseWheelUp();
  }
  return true;
}

LRESULT CALLBACK Win32MainWindow::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  Win32MainWindow* self = Owner(window);
  if (!self) return DefWindowProcW(window, message, wParam, lParam);
  return self->Handle(message, wParam, lParam);
}

LRESULT Win32MainWindow::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
      Command(LOWORD(wParam), HIWORD(wParam));
      return 0;
    case WM_SIZE:
      LayOut();
      return 0;
    case WM_CLOSE:
      if (logic_.FormClose()) DestroyWindow(window_);
      return 0;
    case WM_QUERYENDSESSION:
      return TRUE;
    case WM_ENDSESSION:
      // The session ends: save as a close does; the process ends after.
      if (wParam) logic_.FormClose();
      return 0;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    case WM_GETMINMAXINFO:
      break;
    default:
      break;
  }
  return DefWindowProcW(window_, message, wParam, lParam);
}

void Win32MainWindow::Command(int id, int code) {
  if (code == BN_CLICKED && id > kButtonIdBase && id <= kButtonIdBase + 7) {
    switch (static_cast<ToolButton>(id - kButtonIdBase)) {
      case ToolButton::PrintAll: return logic_.SpeedButton1Click();
      case ToolButton::PrintCurrent: return logic_.SpeedButton2Click();
      case ToolButton::Previous: return logic_.SpeedButton3Click();
      case ToolButton::Next: return logic_.SpeedButton4Click();
      case ToolButton::Overview: return logic_.SpeedButton5Click();
      case ToolButton::Settings: return logic_.SpeedButton6Click();
      case ToolButton::Close: return logic_.SpeedButton7Click();
    }
  }
}

LRESULT CALLBACK Win32MainWindow::PanelProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  Win32MainWindow* self = Owner(window);
  if (self && message == WM_COMMAND) {
    self->Command(LOWORD(wParam), HIWORD(wParam));
    return 0;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

LRESULT CALLBACK Win32MainWindow::ContentProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  Win32MainWindow* self = Owner(window);
  if (self) {
    switch (message) {
      case WM_COMMAND:
        if (reinterpret_cast<HWND>(lParam) == self->memo_ && HIWORD(wParam) == EN_SETFOCUS) {
          // The overview is typed in Japanese: the input method opens in
          // hiragana for it.
          if (HIMC context = ImmGetContext(self->memo_)) {
            ImmSetOpenStatus(context, TRUE);
            ImmSetConversionStatus(context, IME_CMODE_NATIVE | IME_CMODE_FULLSHAPE, IME_SMODE_NONE);
            ImmReleaseContext(self->memo_, context);
          }
          return 0;
        }
        self->Command(LOWORD(wParam), HIWORD(wParam));
        return 0;
      case WM_CTLCOLOREDIT:
        if (reinterpret_cast<HWND>(lParam) == self->memo_) {
          SetBkColor(reinterpret_cast<HDC>(wParam), kMemoColour);
          return reinterpret_cast<LRESULT>(self->memoBrush_);
        }
        break;
      default:
        break;
    }
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

LRESULT CALLBACK Win32MainWindow::ImageProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  Win32MainWindow* self = Owner(window);
  if (self && message == WM_PAINT) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window, &paint);
    if (self->preview_) {
      GdiFlush();
      BitBlt(dc, 0, 0, self->preview_->Width(), self->preview_->Height(), self->preview_->Dc(), 0, 0, SRCCOPY);
    }
    EndPaint(window, &paint);
    return 0;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

LRESULT CALLBACK Win32MainWindow::ScrollBoxProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  Win32MainWindow* self = Owner(window);
  if (!self) return DefWindowProcW(window, message, wParam, lParam);
  switch (message) {
    case WM_SIZE:
      self->FitScrollContent();
      return 0;
    case WM_VSCROLL:
    case WM_HSCROLL: {
      const int bar = message == WM_VSCROLL ? SB_VERT : SB_HORZ;
      SCROLLINFO info = {sizeof(info), SIF_ALL};
      GetScrollInfo(window, bar, &info);
      int position = info.nPos;
      const int line = self->S(16);
      switch (LOWORD(wParam)) {
        case SB_LINEUP: position -= line; break;
        case SB_LINEDOWN: position += line; break;
        case SB_PAGEUP: position -= static_cast<int>(info.nPage); break;
        case SB_PAGEDOWN: position += static_cast<int>(info.nPage); break;
        case SB_THUMBTRACK:
        case SB_THUMBPOSITION: position = info.nTrackPos; break;
        case SB_TOP: position = info.nMin; break;
        case SB_BOTTOM: position = info.nMax; break;
        default: break;
      }
      self->Scroll(bar, position);
      return 0;
    }
    default:
      break;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

void Win32MainWindow::Scroll(int bar, int position) {
  SCROLLINFO info = {sizeof(info), SIF_POS};
  info.nPos = position;
  SetScrollInfo(scrollBox_, bar, &info, TRUE);  // kept within the range
  info.fMask = SIF_POS;
  GetScrollInfo(scrollBox_, bar, &info);
  (bar == SB_VERT ? scrollY_ : scrollX_) = info.nPos;
  SetWindowPos(content_, nullptr, -scrollX_, -scrollY_, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Win32MainWindow::LayOut() {
  // The tool bar is docked at the top; the scroll box fills the rest.
  RECT client;
  GetClientRect(window_, &client);
  SetWindowPos(panel_, nullptr, 0, 0, client.right, S(kPanelHeight), SWP_NOZORDER | SWP_NOACTIVATE);
  SetWindowPos(scrollBox_, nullptr, 0, S(kPanelHeight), client.right,
               std::max(0, static_cast<int>(client.bottom) - S(kPanelHeight)), SWP_NOZORDER | SWP_NOACTIVATE);
}

void Win32MainWindow::FitScrollContent() {
  // The content reaches to the right and lower edges of its controls; the
  // scroll bars cover what the box does not show.
  RECT all = {0, 0, 0, 0};
  for (HWND child = GetWindow(content_, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    RECT r;
    GetWindowRect(child, &r);
    MapWindowPoints(nullptr, content_, reinterpret_cast<POINT*>(&r), 2);
    all.right = std::max(all.right, r.right);
    all.bottom = std::max(all.bottom, r.bottom);
  }
  RECT view;
  GetClientRect(scrollBox_, &view);
  const int width = std::max<int>(all.right, view.right), height = std::max<int>(all.bottom, view.bottom);
  SetWindowPos(content_, nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  for (int bar : {SB_HORZ, SB_VERT}) {
    SCROLLINFO info = {sizeof(info), SIF_RANGE | SIF_PAGE};
    info.nMin = 0;
    info.nMax = (bar == SB_HORZ ? all.right : all.bottom) - 1;
    info.nPage = static_cast<UINT>(bar == SB_HORZ ? view.right : view.bottom);
    SetScrollInfo(scrollBox_, bar, &info, TRUE);
    Scroll(bar, bar == SB_HORZ ? scrollX_ : scrollY_);
  }
}

void Win32MainWindow::SetCaption(std::string_view utf8) { SetWindowTextW(window_, Caption(utf8).c_str()); }

int Win32MainWindow::OuterWidth() const {
  RECT r;
  GetWindowRect(window_, &r);
  return r.right - r.left;
}

int Win32MainWindow::OuterHeight() const {
  RECT r;
  GetWindowRect(window_, &r);
  return r.bottom - r.top;
}

int Win32MainWindow::ClientWidth() const {
  RECT r;
  GetClientRect(window_, &r);
  return r.right;
}

int Win32MainWindow::ScreenWidth() const { return GetSystemMetrics(SM_CXSCREEN); }
int Win32MainWindow::ScreenHeight() const { return GetSystemMetrics(SM_CYSCREEN); }

std::optional<WindowPosition> Win32MainWindow::Position() const {
  RECT r;
  GetWindowRect(window_, &r);
  return WindowPosition{r.left, r.top};
}

void Win32MainWindow::MoveTo(WindowPosition position) {
  SetWindowPos(window_, nullptr, position.left, position.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Win32MainWindow::RequestClose() { SendMessageW(window_, WM_CLOSE, 0, 0); }

PreviewImage& Win32MainWindow::CreatePreview(int width, int height, int dotsPerInch) {
  preview_ = std::make_unique<DibPreviewImage>(width, height, dotsPerInch);
  SetWindowPos(image_, nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  FitScrollContent();
  return *preview_;
}

void Win32MainWindow::PlaceImage(int left, int top) {
  SetWindowPos(image_, nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  FitScrollContent();
}

int Win32MainWindow::ImageTop() const {
  RECT r;
  GetWindowRect(image_, &r);
  MapWindowPoints(nullptr, content_, reinterpret_cast<POINT*>(&r), 2);
  return r.top;
}

void Win32MainWindow::PreviewDrawn() {
  InvalidateRect(image_, nullptr, FALSE);
  UpdateWindow(image_);
}

void Win32MainWindow::PlaceLabel2(int top) {
  SetWindowPos(label2_, nullptr, S(kLabel2Left), top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  FitScrollContent();
}

void Win32MainWindow::ScrollVertically(int delta) { Scroll(SB_VERT, scrollY_ + delta); }

void Win32MainWindow::SetButtonEnabled(ToolButton button, bool enabled) {
  EnableWindow(Button(button), enabled);
}

void Win32MainWindow::SetButtonCaption(ToolButton button, std::string_view utf8) {
  SetText(Button(button), utf8);
}

void Win32MainWindow::SetPageLabel(std::string_view text) {
  SetText(pageLabel_, text);
  FitLabelToText(pageLabel_);
}

void Win32MainWindow::SetPrinterLabel(std::u16string_view name) {
  SetText(printerLabel_, name);
  FitLabelToText(printerLabel_);
}

bool Win32MainWindow::SaveOverviewChecked() const {
  return SendMessageW(saveOverview_, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void Win32MainWindow::SetSaveOverviewChecked(bool checked) {
  SendMessageW(saveOverview_, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

void Win32MainWindow::PlaceMemo(int left, int top) {
  SetWindowPos(memo_, HWND_TOP, left, top, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE);
  FitScrollContent();
}

void Win32MainWindow::SetMemoVisible(bool visible) { ShowWindow(memo_, visible ? SW_SHOW : SW_HIDE); }

std::u16string Win32MainWindow::MemoText() const { return GetText(memo_); }  // CR LF, as the field keeps it

void Win32MainWindow::SetMemoText(std::u16string_view text) { SetText(memo_, text); }

void Win32MainWindow::FocusMemo(bool selectAll) {
  SetFocus(memo_);
  const LPARAM end = GetWindowTextLengthW(memo_);
  SendMessageW(memo_, EM_SETSEL, selectAll ? 0 : static_cast<WPARAM>(end), end);
  SendMessageW(memo_, EM_SCROLLCARET, 0, 0);
}

void Win32MainWindow::SetMemoFontSize(int points) {
  memoFont_ = FormControlFont(13, dpi_, std::clamp(points, 1, 1000));
  UseFont(memo_, memoFont_);
}

void Win32MainWindow::ShowMessage(std::string_view utf8) {
  MessageBoxW(window_, WideFromUtf8(utf8).c_str(), WideFromUtf8(msg::kAppTitle).c_str(), MB_OK);
}

void Win32MainWindow::ShowError(std::string_view utf8) {
  MessageBoxW(window_, WideFromUtf8(utf8).c_str(), WideFromUtf8(msg::kAppTitle).c_str(), MB_OK | MB_ICONERROR);
}

}  // namespace mirelo::win32
