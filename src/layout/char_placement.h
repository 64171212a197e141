// Character positions of one output line, the line raise per font size and
// the page count.
#pragma once

#include <array>
#include <string_view>

#include "layout/box_table.h"
#include "platform/text_measurer.h"

namespace mirelo {

struct CharPosition {
  double Natural = 0;    // right edge of character k at measured widths, mm
  double Justified = 0;  // Natural times the line's stretch factor
};
// Entry 0 is the left edge of the first character; entries 1..n the line's
// characters (UTF-16 code units).
using CharPositions = std::array<CharPosition, 128>;

void ClearCharPositions(CharPositions& positions);

// Fills positions for line, measured on the preview canvas in its current
// font (the caller sets it to the box's font first).
void PlaceCharacters(CharPositions& positions, std::u16string_view line, double width,
                     double tabPos, TextMeasurer& preview, double screenPixelsPerMmX);

int LineRaise(int pointSize, int fontHeight);

// The pages the fullest box needs; 0 when every list is empty.
int CountPages(const BoxTable& boxes);

// LinesPerPage as paging uses it: a value below 1 counts as 1.
int EffectiveLinesPerPage(const LayoutBox& box);

}  // namespace mirelo
