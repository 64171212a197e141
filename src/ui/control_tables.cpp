#include "ui/control_tables.h"

#include <algorithm>

#include "base/messages.h"

namespace mirelo {
namespace {

using K = ControlKind;

// Form1, the main window. The panel and the scroll box fill the window's
// width; the scroll box its height below the panel.
constexpr Control kMainControls[] = {
    {"Panel1", K::Panel, "", "", {0, 0, 892, 49}, 11},
    {"SpeedButton1", K::ToolButton, "Panel1", msg::kPrintAllCaption, {8, 4, 89, 33}, 11},
    {"SpeedButton2", K::ToolButton, "Panel1", msg::kPrintCurrentCaption, {112, 4, 89, 33}, 11},
    {"SpeedButton3", K::ToolButton, "Panel1", msg::kPreviousPageCaption, {296, 4, 73, 33}, 11},
    {"Label1", K::Label, "Panel1", "1", {376, 10, 0, 0}, 15},
    {"SpeedButton4", K::ToolButton, "Panel1", msg::kNextPageCaption, {392, 4, 73, 33}, 11},
    {"CheckBox1", K::CheckBox, "Panel1", msg::kSaveOverviewCaption, {504, 8, 97, 17}, 11},
    {"Label4", K::Label, "Panel1", msg::kPrinterLabelCaption, {504, 32, 0, 0}, 11},
    {"Label5", K::Label, "Panel1", "", {552, 32, 0, 0}, 11},
    {"SpeedButton6", K::ToolButton, "Panel1", msg::kSettingsCaption, {680, 4, 89, 33}, 11},
    {"SpeedButton7", K::ToolButton, "Panel1", msg::kCloseCaption, {816, 4, 57, 33}, 11},
    {"ScrollBox1", K::ScrollBox, "", "", {0, 49, 892, 652}, 11},
    {"Image1", K::Image, "ScrollBox1", "", {0, 35, 0, 0}, 11},
    {"Label2", K::Label, "ScrollBox1", " ", {328, 0, 0, 0}, 11},
    {"SpeedButton5", K::ToolButton, "ScrollBox1", msg::kOverviewOpenCaption, {96, 152, 89, 33}, 11},
    {"Memo1", K::Memo, "ScrollBox1", msg::kOverviewPlaceholder, {60, 272, 697, 81}, 13},
};

// Form2, the print settings dialog. Each spinner stands right of its field.
constexpr Control kDialogControls[] = {
    {"Button4", K::Button, "", msg::kChangePrinterCaption, {24, 8, 145, 33}, 11},
    {"Label1", K::Label, "", "", {16, 48, 0, 0}, 11},
    {"Button3", K::Button, "", msg::kCloseCaption, {386, 8, 75, 25}, 11},
    {"Button1", K::Button, "", msg::kOverviewFontCaption, {24, 80, 145, 33}, 11},
    {"Button2", K::Button, "", msg::kNotesFontCaption, {24, 136, 145, 33}, 11},
    {"Edit1", K::Edit, "", "", {216, 88, 33, 24}, 13},
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

constexpr int kLabelGap = 2;      // between a label's text and its neighbour
constexpr int kWindowMargin = 8;  // between a label's text and the window's edge

// The height of a label's line: its font and the space above and below.
int LineHeight(const Control& c) { return c.fontPixels + c.fontPixels / 2; }

struct Names {
  std::string_view edit, upDown;
};

// In the order of Spinner.
constexpr Names kSpinnerNames[] = {
    {"Edit1", "UpDown1"},           {"Edit2", "UpDown2"},
    {"Edit3", "UpDown3"},           {"Edit4", "UpDown4"},
    {"Edit5", "UpDown5"},           {"editPenWidth", "UpDownPenWidth"},
    {"EditTabLen", "UpDownTabLen"},
};

}  // namespace

const WindowLayout kMainWindowLayout = {"Form1", "", 892, 701, 11, kMainControls};
const WindowLayout kSettingsDialogLayout = {"Form2", msg::kSettingsCaption, 486, 360, 11,
                                            kDialogControls};

const Control& ControlNamed(const WindowLayout& layout, std::string_view name) {
  for (const Control& c : layout.controls)
    if (c.name == name) return c;
  return layout.controls.front();
}

int LabelRoom(const WindowLayout& layout, const Control& label) {
  const int top = label.place.top, bottom = top + LineHeight(label);
  int right = layout.clientWidth - kWindowMargin;
  for (const Control& c : layout.controls) {
    if (&c == &label || c.parent != label.parent || c.place.left <= label.place.left) continue;
    const int height = c.place.height ? c.place.height : LineHeight(c);
    if (c.place.top >= bottom || c.place.top + height <= top) continue;  // another line
    right = std::min(right, c.place.left - kLabelGap);
  }
  return right - label.place.left;
}

std::string_view ToolButtonName(ToolButton button) {
  switch (button) {
    case ToolButton::PrintAll: return "SpeedButton1";
    case ToolButton::PrintCurrent: return "SpeedButton2";
    case ToolButton::Previous: return "SpeedButton3";
    case ToolButton::Next: return "SpeedButton4";
    case ToolButton::Overview: return "SpeedButton5";
    case ToolButton::Settings: return "SpeedButton6";
    case ToolButton::Close: return "SpeedButton7";
  }
  return {};
}

std::string_view EditName(Spinner spinner) {
  return kSpinnerNames[static_cast<std::size_t>(spinner)].edit;
}

std::string_view UpDownName(Spinner spinner) {
  return kSpinnerNames[static_cast<std::size_t>(spinner)].upDown;
}

}  // namespace mirelo
