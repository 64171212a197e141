#include "win32/win32_scroll_box.h"

#include <algorithm>

#include "win32/win32_controls.h"

namespace mirelo::win32 {
namespace {

constexpr wchar_t kScrollBoxClass[] = L"MireloScrollBox";
constexpr wchar_t kContentClass[] = L"MireloScrollContent";

LRESULT CALLBACK ContentProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return ChildWindowDefault(window, message, wParam, lParam);
}

}  // namespace

ScrollBox::ScrollBox(HWND parent, RECT place, int lineStep) : lineStep_(lineStep) {
  HBRUSH face = GetSysColorBrush(COLOR_BTNFACE);
  RegisterClassOnce(kScrollBoxClass, BoxProc, face);
  RegisterClassOnce(kContentClass, ContentProc, face);
  box_ = CreateWindowExW(WS_EX_CONTROLPARENT, kScrollBoxClass, L"",
                         WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_HSCROLL | WS_CLIPCHILDREN,
                         place.left, place.top, place.right - place.left, place.bottom - place.top,
                         parent, nullptr, GetModuleHandleW(nullptr), nullptr);
  SetWindowLongPtrW(box_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  content_ =
      CreateWindowExW(WS_EX_CONTROLPARENT, kContentClass, L"",
                      WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0, place.right - place.left,
                      place.bottom - place.top, box_, nullptr, GetModuleHandleW(nullptr), nullptr);
}

LRESULT CALLBACK ScrollBox::BoxProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* self = reinterpret_cast<ScrollBox*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (self) {
    switch (message) {
      case WM_SIZE:
        self->Fit();
        return 0;
      case WM_VSCROLL:
      case WM_HSCROLL:
        self->ScrollBarMoved(message == WM_VSCROLL ? SB_VERT : SB_HORZ, LOWORD(wParam));
        return 0;
      case WM_DESTROY:
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        break;
      default:
        break;
    }
  }
  return ChildWindowDefault(window, message, wParam, lParam);
}

void ScrollBox::ScrollBarMoved(int bar, int code) {
  SCROLLINFO info{};
  info.cbSize = sizeof(info);
  info.fMask = SIF_ALL;
  GetScrollInfo(box_, bar, &info);
  int position = info.nPos;
  switch (code) {
    case SB_LINEUP:
      position -= lineStep_;
      break;
    case SB_LINEDOWN:
      position += lineStep_;
      break;
    case SB_PAGEUP:
      position -= static_cast<int>(info.nPage);
      break;
    case SB_PAGEDOWN:
      position += static_cast<int>(info.nPage);
      break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION:
      position = info.nTrackPos;
      break;
    case SB_TOP:
      position = info.nMin;
      break;
    case SB_BOTTOM:
      position = info.nMax;
      break;
    default:
      break;
  }
  ScrollTo(bar, position);
}

void ScrollBox::ScrollBy(int bar, int delta) { ScrollTo(bar, (bar == SB_VERT ? y_ : x_) + delta); }

void ScrollBox::ScrollTo(int bar, int position) {
  SCROLLINFO info{};
  info.cbSize = sizeof(info);
  info.fMask = SIF_POS;
  info.nPos = position;
  SetScrollInfo(box_, bar, &info, TRUE);  // kept within the range
  GetScrollInfo(box_, bar, &info);
  (bar == SB_VERT ? y_ : x_) = info.nPos;
  SetWindowPos(content_, nullptr, -x_, -y_, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void ScrollBox::Fit() {
  RECT all = {0, 0, 0, 0};
  for (HWND child = GetWindow(content_, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    RECT r;
    GetWindowRect(child, &r);
    MapWindowPoints(nullptr, content_, reinterpret_cast<POINT*>(&r), 2);
    all.right = std::max(all.right, r.right);
    all.bottom = std::max(all.bottom, r.bottom);
  }
  RECT view;
  GetClientRect(box_, &view);
  const int width = std::max<int>(all.right, view.right),
            height = std::max<int>(all.bottom, view.bottom);
  SetWindowPos(content_, nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  for (int bar : {SB_HORZ, SB_VERT}) {
    SCROLLINFO info{};
    info.cbSize = sizeof(info);
    info.fMask = SIF_RANGE | SIF_PAGE;
    info.nMin = 0;
    info.nMax = (bar == SB_HORZ ? all.right : all.bottom) - 1;
    info.nPage = static_cast<UINT>(bar == SB_HORZ ? view.right : view.bottom);
    SetScrollInfo(box_, bar, &info, TRUE);
    ScrollTo(bar, bar == SB_HORZ ? x_ : y_);
  }
}

}  // namespace mirelo::win32
