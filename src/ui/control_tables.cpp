#include "ui/control_tables.h"

#include <algorithm>
#include <cstdint>
#include <string>

namespace mirelo {
namespace {

constexpr int kLabelGap = 2;      // between a label's text and its neighbour
constexpr int kWindowMargin = 8;  // between a label's text and the window's edge

// The height of a label's line: its font and the space above and below.
int LineHeight(const Control& c) { return c.fontPixels + c.fontPixels / 2; }

// In the order of ToolButton, from SpeedButton1.
constexpr MainControl kToolButtons[] = {"SpeedButton1", "SpeedButton2", "SpeedButton3",
                                        "SpeedButton4", "SpeedButton5", "SpeedButton6",
                                        "SpeedButton7"};

struct SpinnerControls {
  DialogControl edit, upDown;
};

// In the order of Spinner.
constexpr SpinnerControls kSpinnerControls[] = {
    {"Edit1", "UpDown1"},           {"Edit2", "UpDown2"}, {"Edit3", "UpDown3"},
    {"Edit4", "UpDown4"},           {"Edit5", "UpDown5"}, {"editPenWidth", "UpDownPenWidth"},
    {"EditTabLen", "UpDownTabLen"},
};
static_assert(std::size(kSpinnerControls) == kSpinnerCount);

}  // namespace

const Control& ControlNamed(const WindowLayout& layout, std::string_view name) {
  const int index = control_tables_detail::IndexIn(layout.controls, name);
  if (index < 0)
    throw std::logic_error("no control \"" + std::string(name) + "\" in " +
                           std::string(layout.name));
  return layout.controls[static_cast<std::size_t>(index)];
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

MainControl ToolButtonControl(ToolButton button) {
  return kToolButtons[static_cast<std::size_t>(button) - 1];
}

std::optional<ToolButton> ToolButtonOf(MainControl control) {
  for (std::size_t i = 0; i < std::size(kToolButtons); ++i)
    if (kToolButtons[i] == control) return static_cast<ToolButton>(i + 1);
  return std::nullopt;
}

DialogControl EditControl(Spinner spinner) {
  return kSpinnerControls[static_cast<std::size_t>(spinner)].edit;
}

DialogControl UpDownControl(Spinner spinner) {
  return kSpinnerControls[static_cast<std::size_t>(spinner)].upDown;
}

std::optional<Spinner> SpinnerOf(DialogControl control) {
  for (std::size_t i = 0; i < std::size(kSpinnerControls); ++i)
    if (kSpinnerControls[i].edit == control || kSpinnerControls[i].upDown == control)
      return static_cast<Spinner>(i);
  return std::nullopt;
}

int ScaleToDpi(int designPixels, int dpi) {
  // As Windows' MulDiv: the exact product, halves away from zero.
  const std::int64_t product = static_cast<std::int64_t>(designPixels) * dpi;
  return static_cast<int>(product >= 0 ? (product + 48) / 96 : (product - 48) / 96);
}

DeviceRectangle DockedPlace(const WindowLayout& layout, const Control& control, int clientWidth,
                            int clientHeight, int dpi) {
  int top = 0;
  for (const Control& c : layout.controls) {
    if (c.parent != control.parent || c.dock != Dock::Top) continue;
    const int height = ScaleToDpi(c.place.height, dpi);
    if (&c == &control) return {0, top, clientWidth, top + height};
    top += height;
  }
  if (control.dock == Dock::Fill) return {0, top, clientWidth, std::max(top, clientHeight)};
  const ControlPlace& p = control.place;
  const int left = ScaleToDpi(p.left, dpi), placeTop = ScaleToDpi(p.top, dpi);
  return {left, placeTop, left + ScaleToDpi(p.width, dpi), placeTop + ScaleToDpi(p.height, dpi)};
}

}  // namespace mirelo
