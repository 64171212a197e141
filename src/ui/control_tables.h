// The controls of the two windows as the form lays them out: name, kind,
// caption, place at 96 dots per inch, font, colour, state at creation and
// input method. Every adapter builds its widgets from these tables, in the
// tables' order, which is also the order Tab walks; so the windows look and
// behave alike on every platform. The names the code uses are constants
// checked against the tables when compiled: a misspelt name does not build.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <stdexcept>
#include <string_view>

#include "base/messages.h"
#include "ui/main_window_view.h"
#include "ui/settings_dialog_view.h"

namespace mirelo {

enum class ControlKind {
  Panel,       // a plain area holding other controls
  ToolButton,  // a push button that takes no focus
  Button,
  Label,
  CheckBox,
  Edit,       // a one-line edit field
  UpDown,     // the two arrows of a spinner
  ScrollBox,  // a scrolling area holding other controls
  Image,
  Memo,  // a multi-line edit field
};

// Left, top, width and height in pixels at 96 dots per inch. A label's width
// and height are 0: it takes the size of its text.
struct ControlPlace {
  int left, top, width, height;
};

// How a control follows the window's size: not at all, along the top edge
// at its own height across the whole width, or filling what the controls
// docked at the top leave.
enum class Dock { None, Top, Fill };

// What the input method does while a field has the focus: the system's
// choice, switched off (numbers), or switched to hiragana (Japanese text).
enum class InputMethod { Default, Off, Hiragana };

struct Rgb {
  std::uint8_t red, green, blue;
  friend constexpr bool operator==(Rgb, Rgb) = default;
};

struct Control {
  std::string_view name;
  ControlKind kind;
  std::string_view parent;   // the control it stands on; empty: the window
  std::string_view caption;  // UTF-8; empty where it has none
  ControlPlace place;
  int fontPixels;  // the window's face at this height in pixels
  bool readOnly = false;
  bool checked = false;                          // a check box's state at creation
  std::optional<Rgb> background = std::nullopt;  // the system's colour where none
  InputMethod inputMethod = InputMethod::Default;
  Dock dock = Dock::None;
  // Lies under every control it shares its parent with (the page under the
  // overview field and its button).
  bool underSiblings = false;
};

namespace control_tables_detail {

using K = ControlKind;

// Form1, the main window. The panel is docked at the top; the scroll box
// fills the rest.
inline constexpr Control kMain[] = {
    {"Panel1",
     K::Panel,
     "",
     "",
     {0, 0, 892, 49},
     11,
     false,
     false,
     std::nullopt,
     InputMethod::Default,
     Dock::Top},
    {"SpeedButton1", K::ToolButton, "Panel1", msg::kPrintAllCaption, {8, 4, 89, 33}, 11},
    {"SpeedButton2", K::ToolButton, "Panel1", msg::kPrintCurrentCaption, {112, 4, 89, 33}, 11},
    {"SpeedButton3", K::ToolButton, "Panel1", msg::kPreviousPageCaption, {296, 4, 73, 33}, 11},
    {"Label1", K::Label, "Panel1", "1", {376, 10, 0, 0}, 15},
    {"SpeedButton4", K::ToolButton, "Panel1", msg::kNextPageCaption, {392, 4, 73, 33}, 11},
    {"CheckBox1",
     K::CheckBox,
     "Panel1",
     msg::kSaveOverviewCaption,
     {504, 8, 97, 17},
     11,
     false,
     true},
    {"Label4", K::Label, "Panel1", msg::kPrinterLabelCaption, {504, 32, 0, 0}, 11},
    {"Label5", K::Label, "Panel1", "", {552, 32, 0, 0}, 11},
    {"SpeedButton6", K::ToolButton, "Panel1", msg::kSettingsCaption, {680, 4, 89, 33}, 11},
    {"SpeedButton7", K::ToolButton, "Panel1", msg::kCloseCaption, {816, 4, 57, 33}, 11},
    {"ScrollBox1",
     K::ScrollBox,
     "",
     "",
     {0, 49, 892, 652},
     11,
     false,
     false,
     std::nullopt,
     InputMethod::Default,
     Dock::Fill},
    {"Image1",
     K::Image,
     "ScrollBox1",
     "",
     {0, 35, 0, 0},
     11,
     false,
     false,
     std::nullopt,
     InputMethod::Default,
     Dock::None,
     true},
    {"Label2", K::Label, "ScrollBox1", " ", {328, 0, 0, 0}, 11},
    {"SpeedButton5", K::ToolButton, "ScrollBox1", msg::kOverviewOpenCaption, {96, 152, 89, 33}, 11},
    // Pale yellow: red 255, green 255, blue 136.
    {"Memo1",
     K::Memo,
     "ScrollBox1",
     msg::kOverviewPlaceholder,
     {60, 272, 697, 81},
     13,
     false,
     false,
     Rgb{255, 255, 136},
     InputMethod::Hiragana},
};

// Form2, the print settings dialog. Each spinner stands right of its field.
inline constexpr Control kDialog[] = {
    {"Button4", K::Button, "", msg::kChangePrinterCaption, {24, 8, 145, 33}, 11},
    {"Label1", K::Label, "", "", {16, 48, 0, 0}, 11},
    {"Button3", K::Button, "", msg::kCloseCaption, {386, 8, 75, 25}, 11},
    {"Button1", K::Button, "", msg::kOverviewFontCaption, {24, 80, 145, 33}, 11},
    {"Button2", K::Button, "", msg::kNotesFontCaption, {24, 136, 145, 33}, 11},
    {"Edit1", K::Edit, "", "", {216, 88, 33, 24}, 13, false, false, std::nullopt, InputMethod::Off},
    {"UpDown1", K::UpDown, "", "", {249, 88, 16, 24}, 11},
    {"editPenWidth", K::Edit, "", "", {344, 88, 33, 22}, 12},
    {"UpDownPenWidth", K::UpDown, "", "", {377, 88, 16, 22}, 11},
    {"EditTabLen", K::Edit, "", "", {216, 144, 33, 22}, 12},
    {"UpDownTabLen", K::UpDown, "", "", {249, 144, 16, 22}, 11},
    {"Edit2", K::Edit, "", "", {104, 224, 57, 22}, 12, true},
    {"UpDown2", K::UpDown, "", "", {161, 224, 16, 22}, 11},
    {"Edit4", K::Edit, "", "", {272, 224, 57, 22}, 12},
    {"UpDown4", K::UpDown, "", "", {329, 224, 16, 22}, 11},
    {"Edit3", K::Edit, "", "", {104, 272, 57, 22}, 12, true},
    {"UpDown3", K::UpDown, "", "", {161, 272, 16, 22}, 11},
    {"Edit5", K::Edit, "", "", {272, 272, 57, 22}, 12},
    {"UpDown5", K::UpDown, "", "", {329, 272, 16, 22}, 11},
    {"CheckBox5", K::CheckBox, "", msg::kGroupSpacingCaption, {24, 328, 185, 17}, 11},
    {"Label2", K::Label, "", msg::kOverviewLinesLabel, {208, 72, 0, 0}, 11},
    {"Label3", K::Label, "", msg::kPenWidthLabel, {328, 72, 0, 0}, 11},
    {"Label15", K::Label, "", msg::kNumberColumnLabel, {208, 128, 0, 0}, 11},
    {"Label16", K::Label, "", msg::kNumberColumnUnitLabel, {208, 168, 0, 0}, 11},
    {"Label6", K::Label, "", msg::kScaleLabel, {24, 200, 0, 0}, 11},
    {"Label9", K::Label, "", msg::kOffsetLabel, {224, 200, 0, 0}, 11},
    {"Label4", K::Label, "", msg::kScaleXLabel, {24, 232, 0, 0}, 11},
    {"Label7", K::Label, "", msg::kOffsetXLabel, {224, 232, 0, 0}, 11},
    {"Label13", K::Label, "", msg::kScaleXHint, {80, 248, 0, 0}, 11},
    {"Label10", K::Label, "", msg::kOffsetXHint, {256, 248, 0, 0}, 11},
    {"Label5", K::Label, "", msg::kScaleYLabel, {24, 280, 0, 0}, 11},
    {"Label8", K::Label, "", msg::kOffsetYLabel, {224, 280, 0, 0}, 11},
    {"Label14", K::Label, "", msg::kScaleYHint, {80, 296, 0, 0}, 11},
    {"Label11", K::Label, "", msg::kOffsetYHint, {256, 296, 0, 0}, 11},
};

// The index of the control of that name, or -1.
constexpr int IndexIn(std::span<const Control> table, std::string_view name) {
  for (std::size_t i = 0; i < table.size(); ++i)
    if (table[i].name == name) return static_cast<int>(i);
  return -1;
}

// Every name once, and every parent a control of the same table.
constexpr bool WellFormed(std::span<const Control> table) {
  for (std::size_t i = 0; i < table.size(); ++i) {
    if (IndexIn(table, table[i].name) != static_cast<int>(i)) return false;
    if (!table[i].parent.empty() && IndexIn(table, table[i].parent) < 0) return false;
  }
  return true;
}
static_assert(WellFormed(kMain) && WellFormed(kDialog));

}  // namespace control_tables_detail

// A control of one window's table, by its index there. Made from a name
// only when compiled, where a name not in the table stops the build; made
// from an index (a native control's id) at run time, where one out of the
// table throws.
template <const std::span<const Control>* Table>
class ControlOf {
 public:
  consteval ControlOf(const char* name)  // NOLINT: a name in the code is a control
      : index_(control_tables_detail::IndexIn(*Table, name)) {
    if (index_ < 0) throw std::logic_error("no control of that name in the window's table");
  }
  static constexpr ControlOf At(std::size_t index) {
    if (index >= Table->size())
      throw std::out_of_range("no control at that index of the window's table");
    return ControlOf(static_cast<int>(index));
  }
  constexpr std::size_t Index() const { return static_cast<std::size_t>(index_); }
  constexpr const Control& Facts() const { return (*Table)[Index()]; }
  constexpr std::string_view Name() const { return Facts().name; }
  // The control it stands on; nothing where it stands on the window.
  constexpr std::optional<ControlOf> Parent() const {
    if (Facts().parent.empty()) return std::nullopt;
    return At(static_cast<std::size_t>(control_tables_detail::IndexIn(*Table, Facts().parent)));
  }
  friend constexpr bool operator==(ControlOf, ControlOf) = default;

 private:
  constexpr explicit ControlOf(int index) : index_(index) {}
  int index_;
};

inline constexpr std::span<const Control> kMainControls = control_tables_detail::kMain;
inline constexpr std::span<const Control> kDialogControls = control_tables_detail::kDialog;
using MainControl = ControlOf<&kMainControls>;
using DialogControl = ControlOf<&kDialogControls>;

struct WindowLayout {
  std::string_view name;
  std::string_view caption;  // empty where the show step sets it
  int clientWidth, clientHeight;
  int fontPixels;  // the face of the window and its controls
  std::span<const Control> controls;
};

// The face of both windows and all their controls.
inline constexpr std::string_view kWindowFace = "Tahoma";

inline constexpr WindowLayout kMainWindowLayout = {"Form1", "", 892, 701, 11, kMainControls};
inline constexpr WindowLayout kSettingsDialogLayout = {"Form2", msg::kSettingsCaption, 486, 360,
                                                       11,      kDialogControls};

// The main window's controls the code names.
namespace main_controls {
inline constexpr MainControl kPanel1 = "Panel1";
inline constexpr MainControl kCheckBox1 = "CheckBox1";
inline constexpr MainControl kPageLabel = "Label1";
inline constexpr MainControl kPrinterNameLabel = "Label5";
inline constexpr MainControl kScrollBox1 = "ScrollBox1";
inline constexpr MainControl kImage1 = "Image1";
inline constexpr MainControl kLabel2 = "Label2";
inline constexpr MainControl kMemo1 = "Memo1";
}  // namespace main_controls

// The settings dialog's controls the code names.
namespace dialog_controls {
inline constexpr DialogControl kChangePrinter = "Button4";
inline constexpr DialogControl kPrinterLabel = "Label1";
inline constexpr DialogControl kClose = "Button3";
inline constexpr DialogControl kOverviewFont = "Button1";
inline constexpr DialogControl kNotesFont = "Button2";
inline constexpr DialogControl kGroupSpacing = "CheckBox5";
}  // namespace dialog_controls

// The control of that name. A name not in the table is a fault of the
// caller's and throws.
const Control& ControlNamed(const WindowLayout& layout, std::string_view name);

// How wide a label's text may run from its left edge: up to the nearest
// control to its right on the same line (less a gap, so that the two stay
// apart), or else to the window's edge less its margin.
int LabelRoom(const WindowLayout& layout, const Control& label);

// The controls behind the logic's names, and back.
MainControl ToolButtonControl(ToolButton button);
std::optional<ToolButton> ToolButtonOf(MainControl control);
DialogControl EditControl(Spinner spinner);
DialogControl UpDownControl(Spinner spinner);
// The spinner a field or an up-down belongs to; nothing for another control.
std::optional<Spinner> SpinnerOf(DialogControl control);

// A place in 96-dpi pixels at dpi, rounded as the system rounds it.
int ScaleToDpi(int designPixels, int dpi);

// Where a docked control stands in a client area of that size, in pixels at
// dpi: Top ones across the width at their own height, one under another;
// Fill the rest below them. A control not docked keeps its place.
DeviceRectangle DockedPlace(const WindowLayout& layout, const Control& control, int clientWidth,
                            int clientHeight, int dpi);

// A caption that runs past its room is drawn condensed: the share of its
// width, in whole percent, at which it fits. widthAt gives the text's width
// at a share; 100 where it fits as it is. The share stops at
// kNarrowestStretch, where a caption fits whatever its room.
inline constexpr int kNarrowestStretch = 1;
template <typename WidthAt>
int FittedStretch(int room, WidthAt widthAt) {
  const int width = widthAt(100);
  if (width <= room || room <= 0) return 100;
  // From the share the plain width suggests, down by whole percents.
  int stretch = room * 100 / width;
  if (stretch < kNarrowestStretch) return kNarrowestStretch;
  while (stretch > kNarrowestStretch && widthAt(stretch) > room) --stretch;
  return stretch;
}

}  // namespace mirelo
