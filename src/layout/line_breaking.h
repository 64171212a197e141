// Breaking a box's text into output lines by measured width.
#pragma once

#include <string>
#include <string_view>

#include "base/text_marks.h"
#include "layout/box_table.h"
#include "platform/text_measurer.h"

namespace mirelo {

inline constexpr std::size_t kMaxLineLength = 127;  // UTF-16 code units

// Wraps text into the box's LineList, after the lines already there. Sets the
// measurer's font to the box's font and leaves it so.
//
// Every character of the text reaches a line, apart from the trimmed ends and
// the forced breaks: the lines with their TabMarks taken out are the text. A
// line that reaches 127 code units with more text left ends there, and a
// character wider than the box goes on a line of its own; both continue
// behind a TabMark as after a break by width. No break falls inside a
// surrogate pair or before a variation selector (see layout/text_clusters.h).
void FillBox(BoxTable& boxes, int box, std::u16string_view text, TextMeasurer& preview,
             double measuringPixelsPerMmX);

// Removes the first output line from text and returns it.
std::u16string BreakLine(std::u16string& text, TextMeasurer& canvas, double width, double tabPos,
                         double pixelsPerMm);

}  // namespace mirelo
