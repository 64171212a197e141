// What the two windows share in making their controls: window classes of
// the program's own, the form's places at 96 dots per inch scaled to the
// window's, the form's fonts, and texts in UTF-8.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <tuple>

#include "ui/control_tables.h"
#include "win32/scoped_handles.h"
#include "win32/windows_api.h"

namespace mirelo::win32 {

// A place at 96 dots per inch, at dpi.
inline int Scale(int designPixels, int dpi) { return MulDiv(designPixels, dpi, 96); }

// The dots per inch of the window's monitor (of the system, before there is
// a window).
int WindowDpi(HWND window);

// Registers a window class of the program's once; returns its name.
const wchar_t* RegisterClassOnce(const wchar_t* name, WNDPROC procedure, HBRUSH background);

// A child control of a system class (L"BUTTON", L"STATIC", L"EDIT", ...) at a
// place in 96-dpi pixels, scaled to dpi.
HWND MakeControl(HWND parent, const wchar_t* windowClass, std::string_view utf8Text, DWORD style,
                 int left, int top, int width, int height, int dpi, int id = 0, DWORD exStyle = 0);

void SetText(HWND window, std::string_view utf8);
void SetText(HWND window, std::u16string_view text);
std::u16string GetText(HWND window);

// The fonts a window's controls get: the windows' face (Tahoma) at a height
// in 96-dpi pixels, as the form has it, or at a point size, condensed to a
// share of its width in percent. Each is made once and lives as long as the
// window that owns this, which destroys its controls first.
class ControlFonts {
 public:
  ControlFonts() = default;
  ControlFonts(const ControlFonts&) = delete;
  ControlFonts& operator=(const ControlFonts&) = delete;

  HFONT Get(int designPixels, int dpi, int points = 0, int stretch = 100);

 private:
  std::map<std::tuple<int, int, int, int>, GdiObject<HFONT>> fonts_;
};

// A control of a window layout at its place, scaled to dpi, with its
// caption and font; ids tell the controls' notices apart.
HWND MakeTableControl(ControlFonts& fonts, HWND parent, const WindowLayout& layout,
                      const Control& control, int dpi, int id);

// Puts a control made by MakeTableControl at its place and in its font at
// another dpi (the window moved to a monitor of another resolution); a
// label keeps its text, fitted anew.
void PlaceTableControl(ControlFonts& fonts, HWND made, const WindowLayout& layout,
                       const Control& control, int dpi);

// Shows text in a label of the layout within its room: a text that would
// run into its neighbour is drawn condensed, just enough to fit.
void SetFittedLabel(ControlFonts& fonts, HWND label, const WindowLayout& layout,
                    const Control& control, int dpi, std::u16string_view text);

// Shows a name in a label of the layout within its room: a longer one is
// shortened with "…" and shown whole in a tooltip.
void SetElidedLabel(ControlFonts& fonts, HWND label, const WindowLayout& layout,
                    const Control& control, int dpi, std::u16string_view name);

// Applies a font to a control.
inline void UseFont(HWND control, HFONT font) {
  SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
}

// The default handling of a child window of the program's own classes (the
// panel, the scroll box and its content). Such a window closes only with
// its top-level window: a multi-line edit field posts WM_CLOSE to its parent
// on Esc, and DefWindowProcW would destroy the parent, field and all. The
// notices of the controls standing on it (WM_COMMAND, WM_NOTIFY, the
// colours they ask for) go on to the top-level window, which handles them
// in one place.
LRESULT ChildWindowDefault(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// The key the windows' logic knows a virtual key as; nothing for the others.
std::optional<Key> KeyOfVirtualKey(WPARAM virtualKey);
// Whether Ctrl, Shift or Alt was held as the key now being handled came.
bool ModifierHeld();

// A control keeps the keyboard focus where it was: for the tool buttons,
// which take no focus on a click.
void TakeNoFocus(HWND control);

}  // namespace mirelo::win32
