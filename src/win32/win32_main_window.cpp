#include "win32/win32_main_window.h"


#include <algorithm>

#include "base/messages.h"
#include "win32/wide_text.h"
#include "win32/win32_controls.h"

namespace mirelo::win32 {
namespace {

constexpr int kControlIdBase = 1000;  // the table's control i has the id 1000 + i
constexpr COLORREF kMemoColour = RGB(255, 255, 136);

constexpr wchar_t kPanelClass[] = L"MireloPanel";
constexpr wchar_t kScrollBoxClass[] = L"MireloScrollBox";
constexpr wchar_t kContentClass[] = L"MireloScrollContent";
constexpr wchar_t kImageClass[] = L"MireloImage";

Win32MainWindow* Owner(HWND window) {
  return reinterpret_cast<Win32MainWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
}

void Own(HWND window, void* owner) { SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(owner)); }

std::wstring Caption(std::string_view utf8) { return WideFromUtf8(utf8); }

const WindowLayout& Layout() { return kMainWindowLayout; }

// A child window of ours closes only with the main window. A multi-line
// edit field posts WM_CLOSE to its parent on Esc when dialog keys are
// processed, and DefWindowProcW would destroy the parent, field and all.
LRESULT ChildDefault(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_CLOSE) return 0;
  return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

int Win32MainWindow::S(int designPixels) const { return Scale(designPixels, dpi_); }

HWND Win32MainWindow::Control(std::string_view name) const {
  for (std::size_t i = 0; i < Layout().controls.size(); ++i)
    if (Layout().controls[i].name == name) return controls_[i];
  return nullptr;
}

Win32MainWindow::Win32MainWindow(MainWindow& logic) : logic_(logic) {
  HBRUSH face = GetSysColorBrush(COLOR_BTNFACE);
  const std::wstring windowClass = WideFromUtf8(Layout().name);
  RegisterClassOnce(windowClass.c_str(), WindowProc, face);
  RegisterClassOnce(kPanelClass, PanelProc, face);
  RegisterClassOnce(kScrollBoxClass, ScrollBoxProc, face);
  RegisterClassOnce(kContentClass, ContentProc, face);
  RegisterClassOnce(kImageClass, ImageProc, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  memoBrush_ = CreateSolidBrush(kMemoColour);

  dpi_ = WindowDpi(nullptr);
  // The form's client area, in a normal resizable frame.
  const DWORD style = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;
  RECT frame = {0, 0, S(Layout().clientWidth), S(Layout().clientHeight)};
  AdjustWindowRectExForDpi(&frame, style, FALSE, 0, static_cast<UINT>(dpi_));
  window_ = CreateWindowExW(0, windowClass.c_str(), L"", style, CW_USEDEFAULT, CW_USEDEFAULT,
                            frame.right - frame.left, frame.bottom - frame.top, nullptr, nullptr,
                            GetModuleHandleW(nullptr), nullptr);
  Own(window_, this);
  const int createdDpi = WindowDpi(window_);
  if (createdDpi != dpi_) {
    // The window came up on a monitor of another resolution.
    dpi_ = createdDpi;
    frame = RECT{0, 0, S(Layout().clientWidth), S(Layout().clientHeight)};
    AdjustWindowRectExForDpi(&frame, style, FALSE, 0, static_cast<UINT>(dpi_));
    SetWindowPos(window_, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  }

  controls_.assign(Layout().controls.size(), nullptr);
  for (std::size_t i = 0; i < Layout().controls.size(); ++i) {
    const mirelo::Control& c = Layout().controls[i];
    const HWND parent = c.parent.empty() ? window_ : c.parent == "ScrollBox1" ? content_ : Control(c.parent);
    const int id = kControlIdBase + static_cast<int>(i);
    HWND made = nullptr;
    switch (c.kind) {
      case ControlKind::Panel:
        made = CreateWindowExW(WS_EX_CONTROLPARENT, kPanelClass, L"", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, S(c.place.left),
                               S(c.place.top), S(c.place.width), S(c.place.height), parent, nullptr,
                               GetModuleHandleW(nullptr), nullptr);
        break;
      case ControlKind::ScrollBox:
        made = CreateWindowExW(WS_EX_CONTROLPARENT, kScrollBoxClass, L"", WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_HSCROLL | WS_CLIPCHILDREN,
                               S(c.place.left), S(c.place.top), S(c.place.width), S(c.place.height), parent,
                               nullptr, GetModuleHandleW(nullptr), nullptr);
        scrollBox_ = made;
        // What the box scrolls: one window of all its controls, moved.
        content_ = CreateWindowExW(WS_EX_CONTROLPARENT, kContentClass, L"", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0,
                                   S(c.place.width), S(c.place.height), scrollBox_, nullptr,
                                   GetModuleHandleW(nullptr), nullptr);
        Own(content_, this);
        break;
      case ControlKind::Image:
        // Below the overview field and its button, and never painted over
        // them; out of sight until a page has been drawn on it.
        made = CreateWindowExW(0, kImageClass, L"", WS_CHILD | WS_CLIPSIBLINGS, S(c.place.left), S(c.place.top), 1,
                               1, parent, nullptr, GetModuleHandleW(nullptr), nullptr);
        image_ = made;
        break;
      default:
        made = MakeTableControl(fonts_, parent, Layout(), c, dpi_, id);
        break;
    }
    if (made && (c.kind == ControlKind::Panel || c.kind == ControlKind::ScrollBox || c.kind == ControlKind::Image))
      Own(made, this);
    controls_[i] = made;
  }
  panel_ = Control("Panel1");
  for (ToolButton b : {ToolButton::PrintAll, ToolButton::PrintCurrent, ToolButton::Previous, ToolButton::Next,
                       ToolButton::Overview, ToolButton::Settings, ToolButton::Close})
    buttons_[static_cast<std::size_t>(b) - 1] = Control(ToolButtonName(b));
  pageLabel_ = Control(kPageLabel);
  printerLabel_ = Control(kPrinterNameLabel);
  saveOverview_ = Control("CheckBox1");
  label2_ = Control("Label2");
  memo_ = Control("Memo1");
  SetWindowSubclass(memo_, MemoProc, 1, 0);
  SendMessageW(saveOverview_, BM_SETCHECK, BST_CHECKED, 0);
  memoFont_ = fonts_.Get(ControlNamed(Layout(), "Memo1").fontPixels, dpi_);
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
  // The show step's messages come before the window: it appears finished,
  // or with what a failed step left.
  logic_.FormShow();
  if (!IsWindow(window_)) return;
  ShowWindow(window_, SW_SHOW);
  UpdateWindow(window_);
}

bool Win32MainWindow::PreTranslate(const MSG& message) {
  if (!IsWindowEnabled(window_)) return false;
  if (message.hwnd != window_ && !IsChild(window_, message.hwnd)) return false;
  if (message.message == WM_KEYDOWN) {
    // Ctrl+End and the like are the focused control's, as on Debian.
    const bool modified = (GetKeyState(VK_CONTROL) | GetKeyState(VK_SHIFT) | GetKeyState(VK_MENU)) & 0x8000;
    if (modified) return false;
    std::optional<PageKey> key;
    switch (message.wParam) {
      case VK_PRIOR: key = PageKey::PageUp; break;
      case VK_NEXT: key = PageKey::PageDown; break;
      case VK_HOME: key = PageKey::Home; break;
      case VK_END: key = PageKey::End; break;
      case VK_UP: key = PageKey::Up; break;
      case VK_DOWN: key = PageKey::Down; break;
      case VK_LEFT: key = PageKey::Left; break;
      case VK_RIGHT: key = PageKey::Right; break;
      default: break;
    }
    return key && logic_.FormKeyDown(*key);
  }
  if (message.message != WM_MOUSEWHEEL) return false;
  // One step of the logic an event, whatever its delta, as on Debian.
  const int delta = GET_WHEEL_DELTA_WPARAM(message.wParam);
  if (delta < 0) logic_.FormMouseWheelDown();
  if (delta > 0) logic_.FormMouseWheelUp();
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
      // The session ends: save as a close does, without a box to wait on;
      // the process ends after.
      if (wParam) logic_.FormClose(CloseCause::SessionEnd);
      return 0;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    case WM_DPICHANGED: {
      // Moved to a monitor of another resolution: the frame, the tool bar
      // and the controls of the form's places follow, then the logic draws
      // the page again at the new resolution and lays the overview field
      // (sized here) over it.
      dpi_ = LOWORD(wParam);
      const RECT* suggested = reinterpret_cast<const RECT*>(lParam);
      SetWindowPos(window_, nullptr, suggested->left, suggested->top, suggested->right - suggested->left,
                   suggested->bottom - suggested->top, SWP_NOZORDER | SWP_NOACTIVATE);
      for (std::size_t i = 0; i < Layout().controls.size(); ++i) {
        const mirelo::Control& c = Layout().controls[i];
        if (!controls_[i] || c.kind == ControlKind::Panel || c.kind == ControlKind::ScrollBox ||
            c.kind == ControlKind::Image || c.name == "Label2" || c.name == "Memo1")
          continue;
        PlaceTableControl(fonts_, controls_[i], Layout(), c, dpi_);
      }
      SetPrinterLabel(std::u16string(printerName_));
      // The page's top is the form's; the logic centres it and lays the
      // field over it.
      SetWindowPos(image_, nullptr, 0, S(ControlNamed(Layout(), "Image1").place.top), 0, 0,
                   SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
      const mirelo::Control& memo = ControlNamed(Layout(), "Memo1");
      SetWindowPos(memo_, nullptr, 0, 0, S(memo.place.width), S(memo.place.height),
                   SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
      memoFont_ = fonts_.Get(memo.fontPixels, dpi_, memoPoints_);
      UseFont(memo_, memoFont_);
      LayOut();
      FitScrollContent();
      logic_.ScreenDpiChanged(dpi_);
      return 0;
    }
    default:
      break;
  }
  return DefWindowProcW(window_, message, wParam, lParam);
}

void Win32MainWindow::Command(int id, int code) {
  if (code != BN_CLICKED) return;
  const std::size_t index = static_cast<std::size_t>(id - kControlIdBase);
  if (id < kControlIdBase || index >= Layout().controls.size()) return;
  const std::string_view name = Layout().controls[index].name;
  if (name == ToolButtonName(ToolButton::PrintAll)) return logic_.SpeedButton1Click();
  if (name == ToolButtonName(ToolButton::PrintCurrent)) return logic_.SpeedButton2Click();
  if (name == ToolButtonName(ToolButton::Previous)) return logic_.SpeedButton3Click();
  if (name == ToolButtonName(ToolButton::Next)) return logic_.SpeedButton4Click();
  if (name == ToolButtonName(ToolButton::Overview)) return logic_.SpeedButton5Click();
  if (name == ToolButtonName(ToolButton::Settings)) return logic_.SpeedButton6Click();
  if (name == ToolButtonName(ToolButton::Close)) return logic_.SpeedButton7Click();
}

LRESULT CALLBACK Win32MainWindow::PanelProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  Win32MainWindow* self = Owner(window);
  if (self && message == WM_COMMAND) {
    self->Command(LOWORD(wParam), HIWORD(wParam));
    return 0;
  }
  return ChildDefault(window, message, wParam, lParam);
}

LRESULT CALLBACK Win32MainWindow::ContentProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  Win32MainWindow* self = Owner(window);
  if (self) {
    switch (message) {
      case WM_COMMAND:
        if (reinterpret_cast<HWND>(lParam) == self->memo_ && HIWORD(wParam) == EN_SETFOCUS) {
          self->memoInput_.Enter(self->memo_);
          return 0;
        }
        if (reinterpret_cast<HWND>(lParam) == self->memo_ && HIWORD(wParam) == EN_KILLFOCUS) {
          self->memoInput_.Leave(self->memo_);
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
  return ChildDefault(window, message, wParam, lParam);
}

LRESULT CALLBACK Win32MainWindow::MemoProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                           DWORD_PTR) {
  if (kOverviewFieldTakesTab) {
    // Dialog keys would take Tab away to move the focus, and an edit field
    // that has seen them neither moves it nor types the tab itself.
    const bool control = GetKeyState(VK_CONTROL) & 0x8000;
    if (message == WM_GETDLGCODE) return DefSubclassProc(window, message, wParam, lParam) | DLGC_WANTTAB;
    if (message == WM_KEYDOWN && wParam == VK_TAB && !control) return 0;
    if (message == WM_CHAR && wParam == L'\t' && !control) {
      SendMessageW(window, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(L"\t"));
      return 0;
    }
  }
  return DefSubclassProc(window, message, wParam, lParam);
}

LRESULT CALLBACK Win32MainWindow::ImageProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  Win32MainWindow* self = Owner(window);
  if (self && message == WM_PAINT) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window, &paint);
    if (self->preview_) {
      GdiFlush();
      // Only what the system asks for: a scroll step uncovers a strip.
      const RECT& r = paint.rcPaint;
      BitBlt(dc, r.left, r.top, r.right - r.left, r.bottom - r.top, self->preview_->Dc(), r.left, r.top, SRCCOPY);
    }
    EndPaint(window, &paint);
    return 0;
  }
  return ChildDefault(window, message, wParam, lParam);
}

LRESULT CALLBACK Win32MainWindow::ScrollBoxProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  Win32MainWindow* self = Owner(window);
  if (!self) return ChildDefault(window, message, wParam, lParam);
  switch (message) {
    case WM_SIZE:
      self->FitScrollContent();
      return 0;
    case WM_VSCROLL:
    case WM_HSCROLL: {
      const int bar = message == WM_VSCROLL ? SB_VERT : SB_HORZ;
      SCROLLINFO info{};
    info.cbSize = sizeof(info);
    info.fMask = SIF_ALL;
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
  return ChildDefault(window, message, wParam, lParam);
}

void Win32MainWindow::Scroll(int bar, int position) {
  SCROLLINFO info{};
    info.cbSize = sizeof(info);
    info.fMask = SIF_POS;
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
  const int panelHeight = S(ControlNamed(Layout(), "Panel1").place.height);
  SetWindowPos(panel_, nullptr, 0, 0, client.right, panelHeight, SWP_NOZORDER | SWP_NOACTIVATE);
  SetWindowPos(scrollBox_, nullptr, 0, panelHeight, client.right,
               std::max(0, static_cast<int>(client.bottom) - panelHeight), SWP_NOZORDER | SWP_NOACTIVATE);
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
    SCROLLINFO info{};
    info.cbSize = sizeof(info);
    info.fMask = SIF_RANGE | SIF_PAGE;
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

std::vector<DeviceRectangle> Win32MainWindow::WorkAreas() const {
  std::vector<DeviceRectangle> areas;
  EnumDisplayMonitors(
      nullptr, nullptr,
      [](HMONITOR monitor, HDC, LPRECT, LPARAM found) -> BOOL {
        MONITORINFO info{};
        info.cbSize = sizeof info;
        if (GetMonitorInfoW(monitor, &info)) {
          const RECT& r = info.rcWork;
          reinterpret_cast<std::vector<DeviceRectangle>*>(found)->push_back({r.left, r.top, r.right, r.bottom});
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&areas));
  return areas;
}

std::optional<WindowPosition> Win32MainWindow::Position() const {
  // A minimised window is kept at its restored place: a close from the
  // task bar must not write the icon's place (-32000) off the screen.
  if (IsIconic(window_)) {
    WINDOWPLACEMENT placement{};
    placement.length = sizeof placement;
    if (GetWindowPlacement(window_, &placement)) {
      // Workspace coordinates: the primary work area's corner makes them
      // the screen's.
      MONITORINFO monitor{};
      monitor.cbSize = sizeof monitor;
      GetMonitorInfoW(MonitorFromPoint(POINT{0, 0}, MONITOR_DEFAULTTOPRIMARY), &monitor);
      return WindowPosition{placement.rcNormalPosition.left + monitor.rcWork.left - monitor.rcMonitor.left,
                            placement.rcNormalPosition.top + monitor.rcWork.top - monitor.rcMonitor.top};
    }
  }
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
  ShowWindow(image_, SW_SHOWNA);
  InvalidateRect(image_, nullptr, FALSE);
  UpdateWindow(image_);
}

void Win32MainWindow::PlaceLabel2(int top) {
  SetWindowPos(label2_, nullptr, S(ControlNamed(Layout(), "Label2").place.left), top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  FitScrollContent();
}

void Win32MainWindow::ScrollVertically(int delta) { Scroll(SB_VERT, scrollY_ + delta); }
void Win32MainWindow::ScrollHorizontally(int delta) { Scroll(SB_HORZ, scrollX_ + delta); }

void Win32MainWindow::SetButtonEnabled(ToolButton button, bool enabled) {
  EnableWindow(Button(button), enabled);
}

void Win32MainWindow::SetButtonCaption(ToolButton button, std::string_view utf8) {
  SetText(Button(button), utf8);
}

void Win32MainWindow::SetPageLabel(std::string_view text) {
  SetFittedLabel(fonts_, pageLabel_, Layout(), ControlNamed(Layout(), kPageLabel), dpi_, FromUtf8(text));
}

void Win32MainWindow::SetPrinterLabel(std::u16string_view name) {
  printerName_ = name;  // whole, for another dpi
  SetElidedLabel(fonts_, printerLabel_, Layout(), ControlNamed(Layout(), kPrinterNameLabel), dpi_, name);
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
  memoPoints_ = std::clamp(points, 1, 1000);  // kept for another dpi
  memoFont_ = fonts_.Get(ControlNamed(Layout(), "Memo1").fontPixels, dpi_, memoPoints_);
  UseFont(memo_, memoFont_);
}

bool Win32MainWindow::MemoHasFocus() const { return GetFocus() == memo_; }

std::optional<std::filesystem::path> Win32MainWindow::AskPdfFileName() {
  std::wstring file(32768, L'\0');
  const std::wstring filter = WideFromUtf8(msg::kPdfFileFilter) + L'\0' + L"*.pdf" + L'\0' + L'\0';
  const std::wstring title = WideFromUtf8(msg::kOwnPdfPrinterName);
  OPENFILENAMEW dialog = {};
  dialog.lStructSize = sizeof(dialog);
  dialog.hwndOwner = window_;
  dialog.lpstrFilter = filter.c_str();
  dialog.lpstrFile = file.data();
  dialog.nMaxFile = static_cast<DWORD>(file.size());
  dialog.lpstrTitle = title.c_str();
  dialog.Flags = OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST | OFN_NOCHANGEDIR;
  if (!GetSaveFileNameW(&dialog)) return std::nullopt;
  file.resize(wcslen(file.c_str()));
  return std::filesystem::path(file);
}

// The show step's messages come while the window is still hidden: brought
// to the front, they never wait unseen behind the host program.
void Win32MainWindow::ShowMessage(std::string_view utf8) {
  MessageBoxW(window_, WideFromUtf8(utf8).c_str(), WideFromUtf8(msg::kAppTitle).c_str(),
              MB_OK | MB_SETFOREGROUND);
}

void Win32MainWindow::ShowError(std::string_view utf8) {
  MessageBoxW(window_, WideFromUtf8(utf8).c_str(), WideFromUtf8(msg::kAppTitle).c_str(),
              MB_OK | MB_ICONERROR | MB_SETFOREGROUND);
}

}  // namespace mirelo::win32
