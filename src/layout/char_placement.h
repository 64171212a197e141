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

// Fills positions for line, measured with the measurer in its current
// font (the caller sets it to the box's font first).
//
// There is one entry per code unit, but a character of several units (a
// surrogate pair, or a character with its variation selectors; see
// ClusterEnd in layout/text_clusters.h) is measured and placed as one: every
// unit of it has the entry of the character's right edge. The renderer draws
// such a character with one text call, the units ClusterStart..ClusterEnd
// together, its left edge at the entry before its first unit, and draws
// nothing for its other units; drawing unit by unit would put broken halves
// on the page.
//
// A line whose Natural width is not above 0 (a lone TabMark in a box with
// TabPos 0) has no stretch factor: its Justified positions are its Natural
// ones, and it is drawn there.
//
// A line longer than 127 code units is placed up to its 127th (its 126th
// when the 127th starts a surrogate pair); line breaking makes none.
void PlaceCharacters(CharPositions& positions, std::u16string_view line, double width,
                     double tabPos, TextMeasurer& preview, double measuringPixelsPerMmX);

// The Natural width of the line's last character (all of its code units),
// after PlaceCharacters has placed the line.
double LastCharacterWidth(const CharPositions& positions, std::u16string_view line);

int LineRaise(int pointSize, int fontHeight);

// The pages the fullest box needs; 0 when every list is empty.
int CountPages(const BoxTable& boxes);

// LinesPerPage as paging and drawing use it: a value below 1 counts as 1
// (never a division by zero), one above 100 as 100 (lines closer than a
// fraction of a millimetre only smear).
int EffectiveLinesPerPage(const LayoutBox& box);

}  // namespace mirelo
