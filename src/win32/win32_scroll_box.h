// The main window's scroll box: a child window with scroll bars over one
// content window that holds every control placed in the box and is moved
// under the box's client area as it scrolls. The content reaches to the
// right and lower edges of its controls, and the bars cover what the box
// does not show. The box and its content pass their controls' notices on
// to the top-level window (ChildWindowDefault).
#pragma once

#include <memory>

#include "win32/windows_api.h"

namespace mirelo::win32 {

class ScrollBox {
 public:
  // Made at place in parent's client coordinates; lineStep dots a click on
  // a scroll bar's arrow.
  ScrollBox(HWND parent, RECT place, int lineStep);
  ScrollBox(const ScrollBox&) = delete;
  ScrollBox& operator=(const ScrollBox&) = delete;

  HWND Box() const { return box_; }
  // The window the box's controls stand on.
  HWND Content() const { return content_; }
  void SetLineStep(int dots) { lineStep_ = dots; }

  // Scrolls by delta dots, or to a position, kept within the range.
  void ScrollBy(int bar, int delta);
  void ScrollTo(int bar, int position);
  // After a control in the box moved or changed its size, and after the
  // box's own size changed: the content and the bars follow.
  void Fit();

 private:
  static LRESULT CALLBACK BoxProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  void ScrollBarMoved(int bar, int code);

  HWND box_ = nullptr;
  HWND content_ = nullptr;
  int lineStep_;
  int x_ = 0, y_ = 0;  // the scrolled distance
};

}  // namespace mirelo::win32
