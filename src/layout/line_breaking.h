// Breaking a box's text into output lines by measured width.
#pragma once

#include <string>
#include <string_view>

#include "layout/box_table.h"
#include "platform/text_measurer.h"

namespace mirelo {

inline constexpr char16_t kLineBreakMark = u'\u03BA';  // κ: a forced break
inline constexpr char16_t kTabMark = u'\u03C4';        // τ: continue at TabPos
inline constexpr std::size_t kMaxLineLength = 127;     // UTF-16 code units

// Wraps text into the box's LineList, after the lines already there. Sets the
// measurer's font to the box's font and leaves it so.
void FillBox(BoxTable& boxes, int box, std::u16string_view text, TextMeasurer& preview,
             double screenPixelsPerMmX);

// Removes the first output line from text and returns it.
std::u16string BreakLine(std::u16string& text, TextMeasurer& canvas, double width, double tabPos,
                         double pixelsPerMm);

}  // namespace mirelo
