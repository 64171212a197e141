#include "win32/win32_controls.h"


#include <map>
#include <set>
#include <tuple>

#include "base/text_encoding.h"
#include "win32/wide_text.h"

namespace mirelo::win32 {

int WindowDpi(HWND window) {
  if (window) {
    const UINT dpi = GetDpiForWindow(window);
    if (dpi > 0) return static_cast<int>(dpi);
  }
  HDC screen = GetDC(nullptr);
  const int dpi = GetDeviceCaps(screen, LOGPIXELSX);
  ReleaseDC(nullptr, screen);
  return dpi > 0 ? dpi : 96;
}

const wchar_t* RegisterClassOnce(const wchar_t* name, WNDPROC procedure, HBRUSH background) {
  WNDCLASSEXW existing = {};
  existing.cbSize = sizeof(existing);
  if (GetClassInfoExW(GetModuleHandleW(nullptr), name, &existing)) return name;
  WNDCLASSEXW wc = {};
  wc.cbSize = sizeof(wc);
  wc.lpfnWndProc = procedure;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512) /* IDC_ARROW */);
  wc.hbrBackground = background;
  wc.lpszClassName = name;
  wc.hIcon = LoadIconW(nullptr, MAKEINTRESOURCEW(32512) /* IDI_APPLICATION */);
  RegisterClassExW(&wc);
  return name;
}

HWND MakeControl(HWND parent, const wchar_t* windowClass, std::string_view utf8Text, DWORD style,
                 int left, int top, int width, int height, int dpi, int id, DWORD exStyle) {
  const std::wstring text = WideFromUtf8(utf8Text);
  return CreateWindowExW(exStyle, windowClass, text.c_str(), WS_CHILD | WS_VISIBLE | style,
                         Scale(left, dpi), Scale(top, dpi), Scale(width, dpi), Scale(height, dpi),
                         parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                         GetModuleHandleW(nullptr), nullptr);
}

void SetText(HWND window, std::string_view utf8) { SetWindowTextW(window, WideFromUtf8(utf8).c_str()); }

void SetText(HWND window, std::u16string_view text) { SetWindowTextW(window, Wide(text).c_str()); }

std::u16string GetText(HWND window) {
  const int length = GetWindowTextLengthW(window);
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  const int got = GetWindowTextW(window, text.data(), length + 1);
  text.resize(static_cast<std::size_t>(got > 0 ? got : 0));
  return FromWide(text);
}

void FitLabelToText(HWND label) {
  const std::wstring text = Wide(GetText(label));
  HDC dc = GetDC(label);
  HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(label, WM_GETFONT, 0, 0)));
  SIZE size = {};
  GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
  TEXTMETRICW metrics = {};
  GetTextMetricsW(dc, &metrics);
  SelectObject(dc, old);
  ReleaseDC(label, dc);
  SetWindowPos(label, nullptr, 0, 0, size.cx + 1, metrics.tmHeight, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

HFONT FormControlFont(int designPixels, int dpi, int points) {
  // The fonts of the two windows live as long as the process; there are a
  // handful of them.
  static std::map<std::tuple<int, int, int>, HFONT> fonts;
  const auto key = std::make_tuple(designPixels, dpi, points);
  if (auto it = fonts.find(key); it != fonts.end()) return it->second;
  LOGFONTW lf = {};
  lf.lfHeight = points > 0 ? -MulDiv(points, dpi, 72) : -Scale(designPixels, dpi);
  lf.lfWeight = FW_NORMAL;
  lf.lfCharSet = DEFAULT_CHARSET;
  lf.lfQuality = DEFAULT_QUALITY;
  wcscpy(lf.lfFaceName, L"Tahoma");
  HFONT font = CreateFontIndirectW(&lf);
  fonts.emplace(key, font);
  return font;
}

namespace {

LRESULT CALLBACK NoFocusProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                             DWORD_PTR) {
  if (message == WM_SETFOCUS) {
    // Back to where the focus was; the click still presses the button.
    const HWND previous = reinterpret_cast<HWND>(wParam);
    if (previous && IsWindow(previous)) SetFocus(previous);
    return 0;
  }
  return DefSubclassProc(window, message, wParam, lParam);
}

}  // namespace

void TakeNoFocus(HWND control) { SetWindowSubclass(control, NoFocusProc, 1, 0); }

}  // namespace mirelo::win32
