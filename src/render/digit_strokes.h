// The stroke shapes of the hand-printed digits: which grid points each digit
// joins, on a grid of two columns and three rows inside its cell. The number
// row of the page and the example strip of the page bitmaps both draw from
// this table, so the strip always shows the shapes the row prints.
#pragma once

#include <array>
#include <cstddef>
#include <span>

namespace mirelo {

enum class GlyphColumn { L, R };
enum class GlyphRow { T, M, B };

struct GlyphPoint {
  GlyphColumn column;
  GlyphRow row;
};

// One pen-down run: move to the first point, then straight lines through the
// rest in turn.
struct GlyphStroke {
  std::array<GlyphPoint, 6> points{};
  std::size_t count = 0;
  constexpr std::span<const GlyphPoint> Points() const { return {points.data(), count}; }
};

// A digit is one stroke, or two with the pen lifted between them.
struct Glyph {
  std::array<GlyphStroke, 2> strokes{};
  std::size_t count = 0;
  constexpr std::span<const GlyphStroke> Strokes() const { return {strokes.data(), count}; }
};

// The cell a digit is drawn in, and the grid inside it, in mm from the cell's
// top-left corner.
inline constexpr double kDigitCellWidthMm = 7.2;
inline constexpr double kDigitCellHeightMm = 9.3;
inline constexpr double GlyphColumnMm(GlyphColumn c) { return c == GlyphColumn::L ? 1.8 : 5.3; }
inline constexpr double GlyphRowMm(GlyphRow r) {
  return r == GlyphRow::T ? 1.4 : r == GlyphRow::M ? 4.7 : 7.9;
}

namespace glyph_detail {
using enum GlyphColumn;
using enum GlyphRow;

template <std::size_t N>
constexpr GlyphStroke Stroke(const GlyphPoint (&p)[N]) {
  static_assert(N >= 2 && N <= 6);
  GlyphStroke s;
  for (std::size_t i = 0; i < N; ++i) s.points[i] = p[i];
  s.count = N;
  return s;
}
constexpr Glyph One(GlyphStroke a) { return {{a, {}}, 1}; }
constexpr Glyph Two(GlyphStroke a, GlyphStroke b) { return {{a, b}, 2}; }
}  // namespace glyph_detail

// The glyphs of 0 to 9 as the number row prints them. The one stands on the
// right column; the six and the nine leave their open half without an end
// bar; the seven has no middle bar.
inline constexpr std::array<Glyph, 10> kDigitGlyphs = [] {
  using namespace glyph_detail;
  return std::array<Glyph, 10>{
      One(Stroke({{L, T}, {L, B}, {R, B}, {R, T}, {L, T}})),
      One(Stroke({{R, T}, {R, B}})),
      One(Stroke({{L, T}, {R, T}, {R, M}, {L, M}, {L, B}, {R, B}})),
      Two(Stroke({{L, T}, {R, T}, {R, B}, {L, B}}), Stroke({{L, M}, {R, M}})),
      Two(Stroke({{L, T}, {L, M}, {R, M}}), Stroke({{R, T}, {R, B}})),
      One(Stroke({{R, T}, {L, T}, {L, M}, {R, M}, {R, B}, {L, B}})),
      One(Stroke({{L, T}, {L, B}, {R, B}, {R, M}, {L, M}})),
      One(Stroke({{L, T}, {R, T}, {R, B}})),
      Two(Stroke({{L, T}, {L, B}, {R, B}, {R, T}, {L, T}}), Stroke({{L, M}, {R, M}})),
      One(Stroke({{R, M}, {L, M}, {L, T}, {R, T}, {R, B}})),
  };
}();

// Shapes that the example strip shows beside the printed ones as also
// readable: a one on the left column, a six with its top bar and a nine with
// its bottom bar.
inline constexpr Glyph kOneOnLeftGlyph = [] {
  using namespace glyph_detail;
  return One(Stroke({{L, T}, {L, B}}));
}();
inline constexpr Glyph kSixWithBarGlyph = [] {
  using namespace glyph_detail;
  return One(Stroke({{R, T}, {L, T}, {L, B}, {R, B}, {R, M}, {L, M}}));
}();
inline constexpr Glyph kNineWithBarGlyph = [] {
  using namespace glyph_detail;
  return One(Stroke({{R, M}, {L, M}, {L, T}, {R, T}, {R, B}, {L, B}}));
}();

}  // namespace mirelo
