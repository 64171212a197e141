// The controls of the two windows as the form lays them out: name, kind,
// caption, place at 96 dots per inch, font and whether a field is
// read-only. Every adapter builds its widgets from these tables, so the
// windows look alike on every platform.
#pragma once

#include <span>
#include <string_view>

#include "ui/main_window_view.h"
#include "ui/settings_dialog_view.h"

namespace mirelo {

enum class ControlKind {
  Panel,       // a plain area holding other controls
  ToolButton,  // a push button that takes no focus
  Button,
  Label,
  CheckBox,
  Edit,        // a one-line edit field
  UpDown,      // the two arrows of a spinner
  ScrollBox,   // a scrolling area holding other controls
  Image,
  Memo,        // a multi-line edit field
};

// Left, top, width and height in pixels at 96 dots per inch. A label's width
// and height are 0: it takes the size of its text.
struct ControlPlace {
  int left, top, width, height;
};

struct Control {
  std::string_view name;
  ControlKind kind;
  std::string_view parent;   // the control it stands on; empty: the window
  std::string_view caption;  // UTF-8; empty where it has none
  ControlPlace place;
  int fontPixels;            // the window's face at this height in pixels
  bool readOnly = false;
};

struct WindowLayout {
  std::string_view name;
  std::string_view caption;  // empty where the show step sets it
  int clientWidth, clientHeight;
  int fontPixels;  // the face of the window and its controls
  std::span<const Control> controls;
};

// The face of both windows and all their controls.
inline constexpr std::string_view kWindowFace = "Tahoma";

extern const WindowLayout kMainWindowLayout;
extern const WindowLayout kSettingsDialogLayout;

// The control of that name; the layout's first where there is none.
const Control& ControlNamed(const WindowLayout& layout, std::string_view name);

// How wide a label's text may run from its left edge: up to the nearest
// control to its right on the same line (less a gap, so that the two stay
// apart), or else to the window's edge less its margin.
int LabelRoom(const WindowLayout& layout, const Control& label);

// The controls behind the logic's names.
std::string_view ToolButtonName(ToolButton button);
std::string_view EditName(Spinner spinner);
std::string_view UpDownName(Spinner spinner);

// The main window's controls that the show step places or fills.
inline constexpr std::string_view kPageLabel = "Label1";
inline constexpr std::string_view kPrinterNameLabel = "Label5";
// The settings dialog's printer label.
inline constexpr std::string_view kDialogPrinterLabel = "Label1";

}  // namespace mirelo
