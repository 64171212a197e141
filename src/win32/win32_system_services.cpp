#include "win32/win32_system_services.h"

#include "win32/win32_controls.h"

namespace mirelo::win32 {

// A window that has gone answers the system's.
int Win32SystemServices::ScreenDpi() { return WindowDpi(screenWindow_); }

}  // namespace mirelo::win32
