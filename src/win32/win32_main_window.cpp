#include "win32/win32_main_window.h"

#include "base/messages.h"
#include "win32/wide_text.h"
#include "win32/win32_controls.h"

namespace mirelo::win32 {
namespace {

using namespace main_controls;

constexpr int kControlIdBase = 1000;  // the table's control i has the id 1000 + i

constexpr wchar_t kPanelClass[] = L"MireloPanel";
constexpr wchar_t kImageClass[] = L"MireloImage";

Win32MainWindow* Owner(HWND window) {
  return reinterpret_cast<Win32MainWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
}

void Own(HWND window, void* owner) {
  SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(owner));
}

const WindowLayout& Layout() { return kMainWindowLayout; }

LRESULT CALLBACK PanelProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return ChildWindowDefault(window, message, wParam, lParam);
}

}  // namespace

int Win32MainWindow::S(int designPixels) const { return Scale(designPixels, dpi_); }

Win32MainWindow::Win32MainWindow(MainWindow& logic) : logic_(logic) {
  HBRUSH face = GetSysColorBrush(COLOR_BTNFACE);
  const std::wstring windowClass = WideFromUtf8(Layout().name);
  RegisterClassOnce(windowClass.c_str(), WindowProc, face);
  RegisterClassOnce(kPanelClass, PanelProc, face);
  RegisterClassOnce(kImageClass, ImageProc, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));

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

  // Every control of the table, on the control it stands on, in the
  // table's order, which is the order Tab walks.
  controls_.assign(Layout().controls.size(), nullptr);
  backgrounds_.resize(Layout().controls.size());
  for (std::size_t i = 0; i < Layout().controls.size(); ++i) {
    const mirelo::Control& c = Layout().controls[i];
    HWND parent = window_;
    // What stands in the scroll box stands on its moving content.
    if (const std::optional<MainControl> on = MainControl::At(i).Parent())
      parent = on->Facts().kind == ControlKind::ScrollBox ? scrollBox_->Content() : Control(*on);
    const DeviceRectangle at =
        DockedPlace(Layout(), c, S(Layout().clientWidth), S(Layout().clientHeight), dpi_);
    HWND made = nullptr;
    switch (c.kind) {
      case ControlKind::Panel:
        made = CreateWindowExW(WS_EX_CONTROLPARENT, kPanelClass, L"",
                               WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, at.Left, at.Top,
                               at.Right - at.Left, at.Bottom - at.Top, parent, nullptr,
                               GetModuleHandleW(nullptr), nullptr);
        break;
      case ControlKind::ScrollBox:
        scrollBox_ = std::make_unique<ScrollBox>(parent, RECT{at.Left, at.Top, at.Right, at.Bottom},
                                                 S(kWheelStep));
        made = scrollBox_->Box();
        break;
      case ControlKind::Image:
        // Out of sight until a page has been drawn on it; never painted
        // over the controls it lies under.
        made = CreateWindowExW(0, kImageClass, L"", WS_CHILD | WS_CLIPSIBLINGS, at.Left, at.Top, 1,
                               1, parent, nullptr, GetModuleHandleW(nullptr), nullptr);
        Own(made, this);
        break;
      default:
        made = MakeTableControl(fonts_, parent, Layout(), c, dpi_,
                                kControlIdBase + static_cast<int>(i));
        break;
    }
    if (c.background)
      backgrounds_[i].Reset(
          CreateSolidBrush(RGB(c.background->red, c.background->green, c.background->blue)));
    controls_[i] = made;
  }
  for (std::size_t i = 0; i < Layout().controls.size(); ++i)
    if (Layout().controls[i].underSiblings)
      SetWindowPos(controls_[i], HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  memo_ = Control(kMemo1);
  SetWindowSubclass(memo_, MemoProc, 1, 0);
  memoFont_ = fonts_.Get(kMemo1.Facts().fontPixels, dpi_);
  scrollBox_->Fit();
}

Win32MainWindow::~Win32MainWindow() {
  if (IsWindow(window_)) {
    Own(window_, nullptr);
    DestroyWindow(window_);
  }
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
    const std::optional<Key> key = KeyOfVirtualKey(message.wParam);
    return key && logic_.KeyDown(*key, ModifierHeld());
  }
  if (message.message == WM_MOUSEWHEEL) return logic_.Wheel(GET_WHEEL_DELTA_WPARAM(message.wParam));
  return false;
}

LRESULT CALLBACK Win32MainWindow::WindowProc(HWND window, UINT message, WPARAM wParam,
                                             LPARAM lParam) {
  Win32MainWindow* self = Owner(window);
  if (!self) return DefWindowProcW(window, message, wParam, lParam);
  return self->Handle(message, wParam, lParam);
}

std::optional<MainControl> Win32MainWindow::ControlOfId(int id) const {
  const std::size_t index = static_cast<std::size_t>(id - kControlIdBase);
  if (id < kControlIdBase || index >= controls_.size()) return std::nullopt;
  return MainControl::At(index);
}

LRESULT Win32MainWindow::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
      // Every control's notice, from the panel and the scroll box too.
      if (const std::optional<MainControl> control = ControlOfId(LOWORD(wParam)))
        Command(*control, HIWORD(wParam));
      return 0;
    case WM_CTLCOLOREDIT:
      if (const std::optional<MainControl> control =
              ControlOfId(GetDlgCtrlID(reinterpret_cast<HWND>(lParam)))) {
        if (HBRUSH brush = backgrounds_[control->Index()].Get()) {
          const Rgb colour = *control->Facts().background;
          SetBkColor(reinterpret_cast<HDC>(wParam), RGB(colour.red, colour.green, colour.blue));
          return reinterpret_cast<LRESULT>(brush);
        }
      }
      break;
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
      SetWindowPos(window_, nullptr, suggested->left, suggested->top,
                   suggested->right - suggested->left, suggested->bottom - suggested->top,
                   SWP_NOZORDER | SWP_NOACTIVATE);
      for (std::size_t i = 0; i < Layout().controls.size(); ++i) {
        const mirelo::Control& c = Layout().controls[i];
        const MainControl id = MainControl::At(i);
        if (!controls_[i] || c.dock != Dock::None || c.kind == ControlKind::Image ||
            id == kLabel2 || id == kMemo1)
          continue;
        PlaceTableControl(fonts_, controls_[i], Layout(), c, dpi_);
      }
      SetPrinterLabel(std::u16string(printerName_));
      // The page's top is the form's; the logic centres it and lays the
      // field over it.
      SetWindowPos(Control(kImage1), nullptr, 0, S(kImage1.Facts().place.top), 0, 0,
                   SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
      const ControlPlace& memo = kMemo1.Facts().place;
      SetWindowPos(memo_, nullptr, 0, 0, S(memo.width), S(memo.height),
                   SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
      memoFont_ = fonts_.Get(kMemo1.Facts().fontPixels, dpi_, memoPoints_);
      UseFont(memo_, memoFont_);
      scrollBox_->SetLineStep(S(kWheelStep));
      LayOut();
      scrollBox_->Fit();
      logic_.ScreenDpiChanged(dpi_);
      return 0;
    }
    default:
      break;
  }
  return DefWindowProcW(window_, message, wParam, lParam);
}

void Win32MainWindow::Command(MainControl control, int code) {
  if (code == BN_CLICKED) return logic_.Click(control);
  if (control.Facts().inputMethod != InputMethod::Hiragana) return;
  if (code == EN_SETFOCUS) fieldInput_.Enter(Control(control));
  if (code == EN_KILLFOCUS) fieldInput_.Leave(Control(control));
}

LRESULT CALLBACK Win32MainWindow::MemoProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                           UINT_PTR, DWORD_PTR) {
  if (kOverviewFieldTakesTab) {
    // Dialog keys would take Tab away to move the focus, and an edit field
    // that has seen them neither moves it nor types the tab itself.
    const bool control = GetKeyState(VK_CONTROL) & 0x8000;
    if (message == WM_GETDLGCODE)
      return DefSubclassProc(window, message, wParam, lParam) | DLGC_WANTTAB;
    if (message == WM_KEYDOWN && wParam == VK_TAB && !control) return 0;
    if (message == WM_CHAR && wParam == L'\t' && !control) {
      SendMessageW(window, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(L"\t"));
      return 0;
    }
  }
  return DefSubclassProc(window, message, wParam, lParam);
}

LRESULT CALLBACK Win32MainWindow::ImageProc(HWND window, UINT message, WPARAM wParam,
                                            LPARAM lParam) {
  Win32MainWindow* self = Owner(window);
  if (self && message == WM_PAINT) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window, &paint);
    if (self->preview_) {
      GdiFlush();
      // Only what the system asks for: a scroll step uncovers a strip.
      const RECT& r = paint.rcPaint;
      BitBlt(dc, r.left, r.top, r.right - r.left, r.bottom - r.top, self->preview_->Dc(), r.left,
             r.top, SRCCOPY);
    }
    EndPaint(window, &paint);
    return 0;
  }
  return ChildWindowDefault(window, message, wParam, lParam);
}

void Win32MainWindow::LayOut() {
  RECT client;
  GetClientRect(window_, &client);
  for (std::size_t i = 0; i < Layout().controls.size(); ++i) {
    if (Layout().controls[i].dock == Dock::None) continue;
    const DeviceRectangle r =
        DockedPlace(Layout(), Layout().controls[i], client.right, client.bottom, dpi_);
    SetWindowPos(controls_[i], nullptr, r.Left, r.Top, r.Right - r.Left, r.Bottom - r.Top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
  }
}

void Win32MainWindow::SetCaption(std::string_view utf8) {
  SetWindowTextW(window_, WideFromUtf8(utf8).c_str());
}

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
          reinterpret_cast<std::vector<DeviceRectangle>*>(found)->push_back(
              {r.left, r.top, r.right, r.bottom});
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
      return WindowPosition{
          placement.rcNormalPosition.left + monitor.rcWork.left - monitor.rcMonitor.left,
          placement.rcNormalPosition.top + monitor.rcWork.top - monitor.rcMonitor.top};
    }
  }
  RECT r;
  GetWindowRect(window_, &r);
  return WindowPosition{r.left, r.top};
}

void Win32MainWindow::MoveTo(WindowPosition position) {
  SetWindowPos(window_, nullptr, position.left, position.top, 0, 0,
               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Win32MainWindow::RequestClose() { SendMessageW(window_, WM_CLOSE, 0, 0); }

PreviewImage& Win32MainWindow::CreatePreview(int width, int height, int dotsPerInch) {
  preview_ = std::make_unique<DibPreviewImage>(width, height, dotsPerInch);
  SetWindowPos(Control(kImage1), nullptr, 0, 0, width, height,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  scrollBox_->Fit();
  return *preview_;
}

void Win32MainWindow::PlaceImage(int left, int top) {
  SetWindowPos(Control(kImage1), nullptr, left, top, 0, 0,
               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  scrollBox_->Fit();
}

int Win32MainWindow::ImageTop() const {
  RECT r;
  GetWindowRect(Control(kImage1), &r);
  MapWindowPoints(nullptr, scrollBox_->Content(), reinterpret_cast<POINT*>(&r), 2);
  return r.top;
}

void Win32MainWindow::PreviewDrawn() {
  HWND image = Control(kImage1);
  ShowWindow(image, SW_SHOWNA);
  InvalidateRect(image, nullptr, FALSE);
  UpdateWindow(image);
}

void Win32MainWindow::PlaceLabel2(int top) {
  SetWindowPos(Control(kLabel2), nullptr, S(kLabel2.Facts().place.left), top, 0, 0,
               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  scrollBox_->Fit();
}

void Win32MainWindow::ScrollVertically(int delta) { scrollBox_->ScrollBy(SB_VERT, delta); }
void Win32MainWindow::ScrollHorizontally(int delta) { scrollBox_->ScrollBy(SB_HORZ, delta); }

void Win32MainWindow::SetButtonEnabled(ToolButton button, bool enabled) {
  EnableWindow(Control(ToolButtonControl(button)), enabled);
}

void Win32MainWindow::SetButtonCaption(ToolButton button, std::string_view utf8) {
  SetText(Control(ToolButtonControl(button)), utf8);
}

void Win32MainWindow::SetPageLabel(std::string_view text) {
  SetFittedLabel(fonts_, Control(kPageLabel), Layout(), kPageLabel.Facts(), dpi_, FromUtf8(text));
}

void Win32MainWindow::SetPrinterLabel(std::u16string_view name) {
  printerName_ = name;  // whole, for another dpi
  SetElidedLabel(fonts_, Control(kPrinterNameLabel), Layout(), kPrinterNameLabel.Facts(), dpi_,
                 name);
}

bool Win32MainWindow::SaveOverviewChecked() const {
  return SendMessageW(Control(kCheckBox1), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void Win32MainWindow::SetSaveOverviewChecked(bool checked) {
  SendMessageW(Control(kCheckBox1), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

void Win32MainWindow::PlaceMemo(int left, int top) {
  SetWindowPos(memo_, HWND_TOP, left, top, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE);
  scrollBox_->Fit();
}

void Win32MainWindow::SetMemoVisible(bool visible) {
  ShowWindow(memo_, visible ? SW_SHOW : SW_HIDE);
}

std::u16string Win32MainWindow::MemoText() const {
  return GetText(memo_);
}  // CR LF, as the field keeps it

void Win32MainWindow::SetMemoText(std::u16string_view text) { SetText(memo_, text); }

void Win32MainWindow::FocusMemo(bool selectAll) {
  SetFocus(memo_);
  const LPARAM end = GetWindowTextLengthW(memo_);
  SendMessageW(memo_, EM_SETSEL, selectAll ? 0 : static_cast<WPARAM>(end), end);
  SendMessageW(memo_, EM_SCROLLCARET, 0, 0);
}

void Win32MainWindow::SetMemoFontSize(int points) {
  memoPoints_ = points;  // kept for another dpi
  memoFont_ = fonts_.Get(kMemo1.Facts().fontPixels, dpi_, memoPoints_);
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
