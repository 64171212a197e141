// The insured-person number drawn as stroke digits in its row of ten cells.
#pragma once

#include <string_view>

#include "platform/canvas.h"
#include "render/device_mapping.h"

namespace mirelo {

// Draws the glyph of digit (0 to 9) in the cell whose top-left corner is
// (x, y) mm, with the canvas's current pen. Any other value draws nothing.
void DrawDigit(Canvas& canvas, const DeviceMapping& mapping, int digit, double x, double y);

// Draws the NumberRow: the ten digits first, then the ten cell outlines over
// them, with the brush the caller set. A character that is not an ASCII
// digit, or a position past the end of a shorter number, leaves its cell
// empty. The pen stays at the outline width, which the check square drawn
// next relies on.
void DrawNumberRow(Canvas& canvas, const DeviceMapping& mapping,
                   std::u16string_view insuredPersonNumber, bool onPrinter, int framePenWidth);

// Whether the number fills the row: exactly ten characters "0" to "9".
bool IsTenAsciiDigits(std::u16string_view insuredPersonNumber);

}  // namespace mirelo
