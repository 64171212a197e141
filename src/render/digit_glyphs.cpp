#include "render/digit_glyphs.h"

#include <algorithm>

#include "render/digit_strokes.h"

namespace mirelo {

namespace {

constexpr int kNumberCells = 10;
constexpr double kRowLeftMm = 70.0;
constexpr double kCellPitchMm = 11.977;
constexpr double kRowTopMm = 21.2;
constexpr double kRowBottomMm = 30.5;  // kRowTopMm + kDigitCellHeightMm, as the form gives it

// The value of the cell's character, or -1 for an empty cell.
int CellDigit(std::u16string_view number, int cell) {
  if (cell >= static_cast<int>(number.size())) return -1;
  char16_t c = number[cell];
  return c >= u'0' && c <= u'9' ? c - u'0' : -1;
}

// The frame width comes from the settings file as read: below 1 dot it
// counts as 1, above 100 dots (a stroke of 4 mm at 600 dpi, past the cells
// it frames) as 100. The dialog offers 1 to 15.
int UsableFrameWidth(int width) { return std::clamp(width, 1, 100); }

}  // namespace

void DrawDigit(Canvas& canvas, const DeviceMapping& mapping, int digit, double x, double y) {
  if (digit < 0 || digit > 9) return;
  for (const GlyphStroke& stroke : kDigitGlyphs[digit].Strokes()) {
    bool first = true;
    for (const GlyphPoint& p : stroke.Points()) {
      int dx = mapping.DeviceX(x + GlyphColumnMm(p.column));
      int dy = mapping.DeviceY(y + GlyphRowMm(p.row));
      if (first) {
        canvas.MoveTo(dx, dy);
        first = false;
      } else {
        canvas.LineTo(dx, dy);
      }
    }
  }
}

void DrawNumberRow(Canvas& canvas, const DeviceMapping& mapping,
                   std::u16string_view insuredPersonNumber, bool onPrinter, int framePenWidth) {
  const int frameWidth = UsableFrameWidth(framePenWidth);
  canvas.SetPenWidth(onPrinter ? 2 * frameWidth : 2);
  for (int i = 0; i < kNumberCells; ++i) {
    DrawDigit(canvas, mapping, CellDigit(insuredPersonNumber, i), kRowLeftMm + kCellPitchMm * i,
              kRowTopMm);
  }
  canvas.SetPenWidth(onPrinter ? frameWidth : 2);
  for (int i = 0; i < kNumberCells; ++i) {
    double x = kRowLeftMm + kCellPitchMm * i;
    canvas.Rectangle(mapping.DeviceRect(x, kRowTopMm, x + kDigitCellWidthMm, kRowBottomMm));
  }
}

bool IsTenAsciiDigits(std::u16string_view insuredPersonNumber) {
  return insuredPersonNumber.size() == kNumberCells &&
         std::all_of(insuredPersonNumber.begin(), insuredPersonNumber.end(),
                     [](char16_t c) { return c >= u'0' && c <= u'9'; });
}

}  // namespace mirelo
