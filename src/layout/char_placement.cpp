#include "layout/char_placement.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "base/geometry.h"
#include "layout/line_breaking.h"
#include "layout/text_clusters.h"

namespace mirelo {

namespace {

// At most the units that fit the table, without leaving half a pair.
std::u16string_view PlaceableUnits(std::u16string_view line) {
  if (line.size() <= kMaxLineLength) return line;
  std::size_t n = kMaxLineLength;
  if (IsHighSurrogate(line[n - 1]) && IsLowSurrogate(line[n])) --n;
  return line.substr(0, n);
}

double RaiseFactor(int pointSize) {
  if (pointSize >= 1 && pointSize <= 10) return 0.077;
  switch (pointSize) {
    case 12:
      return 0.125;
    case 13:
      return 0.176;
    case 14:
      return 0.263;
    case 16:
      return 0.238;
    case 17:
      return 0.217;
    case 18:
      return 0.25;
    case 19:
      return 0.24;
    case 20:
      return 0.222;
    case 21:
    case 22:
      return 0.241;
    case 23:
    case 24:
      return 0.219;
    default:
      return 0.2;
  }
}

}  // namespace

void ClearCharPositions(CharPositions& positions) { positions.fill(CharPosition{}); }

void PlaceCharacters(CharPositions& positions, std::u16string_view line, double width,
                     double tabPos, TextMeasurer& preview, double measuringPixelsPerMmX) {
  ClearCharPositions(positions);
  line = PlaceableUnits(line);
  const std::size_t n = line.size();
  if (n == 0) return;

  std::vector<int> widths;
  preview.PrefixWidths(line, widths);

  double shift = 0;
  std::size_t lastTab = 0;
  for (std::size_t start = 0; start < n;) {
    const std::size_t end = ClusterEnd(line, start);
    const double right = widths[end - 1] / measuringPixelsPerMmX;
    for (std::size_t k = start + 1; k <= end; ++k) positions[k].Natural = right;
    if (line[start] == kTabMark) {
      shift = tabPos - right;
      lastTab = start + 1;
    }
    start = end;
  }
  if (lastTab > 0)
    for (std::size_t k = lastTab; k <= n; ++k) positions[k].Natural += shift;

  const double natural = positions[n].Natural;
  const double stretch = natural > 0 ? width / natural : 1.0;
  for (std::size_t k = 1; k <= n; ++k)
    positions[k].Justified = natural > 0 ? positions[k].Natural * stretch : positions[k].Natural;
}

double LastCharacterWidth(const CharPositions& positions, std::u16string_view line) {
  line = PlaceableUnits(line);
  if (line.empty()) return 0;
  const std::size_t start = ClusterStart(line, line.size() - 1);
  return positions[line.size()].Natural - positions[start].Natural;
}

int LineRaise(int pointSize, int fontHeight) {
  const double height = std::abs(static_cast<double>(fontHeight));
  return RoundHalfEven(height * RaiseFactor(pointSize));
}

int EffectiveLinesPerPage(const LayoutBox& box) { return std::clamp(box.LinesPerPage, 1, 100); }

int CountPages(const BoxTable& boxes) {
  double most = 0;
  for (int box = 1; box <= kBoxCount; ++box) {
    const double quotient =
        static_cast<double>(boxes[box].LineList.size()) / EffectiveLinesPerPage(boxes[box]);
    if (quotient > most) most = quotient;
  }
  const double whole = std::floor(most);
  return static_cast<int>(whole) + (most - whole > 0 ? 1 : 0);
}

}  // namespace mirelo
