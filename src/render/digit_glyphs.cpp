#include "render/digit_glyphs.h"

#include <algorithm>
#include <climits>

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

// The settings file may hold any integer; doubling it must not overflow.
int DoubledWidth(int width) {
  return static_cast<int>(std::clamp(2LL * width, static_cast<long long>(INT_MIN),
                                     static_cast<long long>(INT_MAX)));
}

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
  canvas.SetPenWidth(onPrinter ? DoubledWidth(framePenWidth) : 2);
  for (int i = 0; i < kNumberCells; ++i) {
    DrawDigit(canvas, mapping, CellDigit(insuredPersonNumber, i), kRowLeftMm + kCellPitchMm * i,
              kRowTopMm);
  }
  canvas.SetPenWidth(onPrinter ? framePenWidth : 2);
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
