// The one resolution every text width is measured at: the form's design
// resolution. Line breaks, character places and the page count come from
// widths measured there and converted to millimetres with it, whatever the
// screen's resolution, so the form is the same on every display and on
// paper. The screen's resolution only sizes the preview and places the
// window's controls; the preview draws the same millimetres larger.
#pragma once

namespace mirelo {

inline constexpr int kMeasuringDpi = 96;
inline constexpr double kMeasuringPixelsPerMm = kMeasuringDpi / 25.4;

}  // namespace mirelo
