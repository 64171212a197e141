#include "render/page_renderer.h"

#include <algorithm>
#include <array>

#include "base/text_encoding.h"
#include "layout/char_placement.h"
#include "layout/line_breaking.h"
#include "layout/text_clusters.h"
#include "render/digit_glyphs.h"

namespace mirelo {
namespace {

constexpr std::uint32_t kWhite = 0xFFFFFF;
constexpr std::uint32_t kBlack = 0x000000;

// The box's lines for page, and where they stand.
void DrawBoxText(int page, const LayoutBox& box, Canvas& canvas, const DeviceMapping& map,
                 const PageSource& source, CharPositions& positions) {
  const int linesPerPage = EffectiveLinesPerPage(box);
  const int pg = box.Fixed ? 1 : page;
  const long long count = static_cast<long long>(box.LineList.size());
  const long long first = static_cast<long long>(linesPerPage) * (pg - 1);
  if (count - 1 < first) return;
  const long long last = std::min(static_cast<long long>(linesPerPage) * pg - 1, count - 1);

  const std::u16string face = FontNameText(box);
  const int points = EffectiveFontSize(box);
  canvas.SetFont(face, points);
  source.preview.SetFont(face, points);

  const double innerWidth = InnerWidth(box);
  const double tabPos = EffectiveTabPos(box);
  const double pitch = (box.Bottom - box.Top) / linesPerPage;
  const double rise = LineRaise(canvas.FontPointSize(), canvas.FontHeight()) / map.ppm.y;
  const double left = box.Left + box.MarginLeft;

  for (long long l = first; l <= last; ++l) {
    const std::u16string& line = box.LineList[static_cast<std::size_t>(l)];
    const long long row = l - first;
    PlaceCharacters(positions, line, innerWidth, tabPos, source.preview,
                    source.measuringPixelsPerMmX);
    const std::size_t n = std::min(line.size(), kMaxLineLength);
    if (n == 0) continue;

    const double natural = positions[n].Natural;
    const double lastWidth = LastCharacterWidth(positions, line);
    const bool justified =
        box.JustifyAll || natural >= innerWidth || innerWidth - natural <= 1.5 * lastWidth;
    const int deviceY = map.DeviceY(box.Top + box.MarginTop + row * pitch - rise);

    for (std::size_t k = 1; k <= n; ++k) {
      const std::u16string text = CharForDrawing(line, k);
      if (text.empty()) continue;  // a later unit of a character, drawn with its first
      const CharPosition& at = positions[k - 1];
      const double x = left + (justified ? at.Justified : at.Natural);
      canvas.TextOut(map.DeviceX(x), deviceY, text);
    }
  }
}

void Line(Canvas& canvas, const DeviceMapping& map, double x1, double y1, double x2, double y2) {
  canvas.MoveTo(map.DeviceX(x1), map.DeviceY(y1));
  canvas.LineTo(map.DeviceX(x2), map.DeviceY(y2));
}

void Frame(Canvas& canvas, const DeviceMapping& map, double l, double t, double r, double b) {
  const std::array<DevicePt, 5> pts = {map.DevicePoint(l, t), map.DevicePoint(l, b),
                                       map.DevicePoint(r, b), map.DevicePoint(r, t),
                                       map.DevicePoint(l, t)};
  canvas.Polyline(pts);
}

}  // namespace

std::u16string CharForDrawing(std::u16string_view line, std::size_t k) {
  if (k < 1 || k > line.size()) return {};
  const std::size_t start = k - 1;
  if (ClusterStart(line, start) != start) return {};
  const char16_t c = line[start];
  if (c == kTabMark) return u" ";
  const std::size_t end = ClusterEnd(line, start);
  if (end == start + 1 && (IsHighSurrogate(c) || IsLowSurrogate(c))) return u"\uFFFD";
  return std::u16string(line.substr(start, end - start));
}

void ClearPreview(PreviewImage& preview) { preview.Clear(); }

void DrawPage(int page, Canvas& canvas, bool onPrinter, const DeviceMapping& map,
              const PageSource& source) {
  canvas.SetPenWidth(1);
  canvas.SetBrush(BrushStyle::Solid, kWhite);

  CharPositions positions{};
  for (int i = 1; i <= kBoxCount; ++i)
    DrawBoxText(page, source.boxes[i], canvas, map, source, positions);

  canvas.StretchBitmap("imgQRCord", map.DeviceRect(14.0, 17.5, 38.5, 42.0));
  canvas.StretchBitmap("imgRei", map.DeviceRect(25.5, 275.5, 165.5, 284.5));

  Line(canvas, map, 25.0, 13.0, 60.0, 13.0);
  Frame(canvas, map, 44.5, 14.5, 190.7, 31.8);
  Line(canvas, map, 53.8, 14.5, 53.8, 31.8);
  Frame(canvas, map, 14.0, 44.5, 197.4, 68.8);
  const LayoutBox& notes = source.boxes[3];
  const int rules = EffectiveLinesPerPage(notes);
  for (int j = 1; j <= rules; ++j) {
    const double y = notes.Top + j * (notes.Bottom - notes.Top) / rules;
    Line(canvas, map, notes.Left, y, notes.Right, y);
  }

  canvas.SetBrush(BrushStyle::Clear, kWhite);
  DrawNumberRow(canvas, map, source.insuredPersonNumber, onPrinter, source.framePenWidth);
  canvas.Rectangle(map.DeviceRect(47.6, 21.0, 50.7, 24.1));

  canvas.SetPenWidth(1);
  canvas.SetBrush(BrushStyle::Solid, kBlack);
  canvas.FillRect(map.DeviceRect(14.0, 278.3, 19.5, 283.8));
  canvas.FillRect(map.DeviceRect(192.6, 278.3, 198.1, 283.8));
  canvas.FillRect(map.DeviceRect(192.6, 19.0, 198.1, 24.5));
}

}  // namespace mirelo
