// Turns the wheel over a running window as a mouse or touchpad would, one
// WM_MOUSEWHEEL of each delta given, and prints after each how far its
// scroll box is scrolled down (in dots): X servers give Wine only whole
// notches, so the scenarios send the deltas of fine wheels through this.
//   wheel_probe.exe CAPTION DELTA...
#include <windows.h>

#include <cstdio>
#include <cwchar>

namespace {

// How far the scroll box's content stands above the box's top.
long ScrolledDown(HWND box, HWND content) {
  RECT b, c;
  GetWindowRect(box, &b);
  GetWindowRect(content, &c);
  return b.top - c.top;
}

}  // namespace

int main() {
  int count = 0;
  wchar_t** args = CommandLineToArgvW(GetCommandLineW(), &count);
  if (!args || count < 3) {
    std::fprintf(stderr, "usage: wheel_probe.exe CAPTION DELTA...\n");
    return 2;
  }
  HWND window = FindWindowW(nullptr, args[1]);
  HWND box = window ? FindWindowExW(window, nullptr, L"MireloScrollBox", nullptr) : nullptr;
  HWND content = box ? FindWindowExW(box, nullptr, L"MireloScrollContent", nullptr) : nullptr;
  if (!content) {
    std::fprintf(stderr, "no window with a scroll box of that caption\n");
    return 2;
  }
  RECT r;
  GetWindowRect(box, &r);
  const LPARAM at = MAKELPARAM((r.left + r.right) / 2, (r.top + r.bottom) / 2);
  for (int i = 2; i < count; ++i) {
    const int delta = static_cast<int>(std::wcstol(args[i], nullptr, 10));
    const long before = ScrolledDown(box, content);
    PostMessageW(window, WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(static_cast<short>(delta))),
                 at);
    // The window moves its content when it takes the event; a delta that
    // scrolls nothing leaves it where it was.
    for (int wait = 0; wait < 20 && ScrolledDown(box, content) == before; ++wait) Sleep(50);
    std::printf("%ld\n", ScrolledDown(box, content));
  }
  LocalFree(args);
  return 0;
}
