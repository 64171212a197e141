// What the in-process tests of the Windows windows share: where a control
// stands, and the keyboard state a key message finds.
#pragma once

#include "win32/windows_api.h"

namespace mirelo::test {

// A child's rectangle in its parent's client coordinates.
inline RECT InParent(HWND child) {
  RECT r;
  GetWindowRect(child, &r);
  MapWindowPoints(nullptr, GetParent(child), reinterpret_cast<POINT*>(&r), 2);
  return r;
}

// The thread's keyboard state with Ctrl held or not, as a key message finds
// it.
inline void HoldCtrl(bool held) {
  BYTE keys[256] = {};
  GetKeyboardState(keys);
  keys[VK_CONTROL] = held ? 0x80 : 0;
  SetKeyboardState(keys);
}

}  // namespace mirelo::test
