// Where the entry-example strip puts its parts, in millimetres of the printed
// strip (the page stretches the image into 140 x 9 mm). Shared by the strip's
// generator and the test that reads the strip back.
#pragma once

#include "render/digit_strokes.h"

namespace example_strip {

inline constexpr int kWidthPx = 577;
inline constexpr int kHeightPx = 42;
inline constexpr double kWidthMm = 140.0;
inline constexpr double kHeightMm = 9.0;

inline constexpr double kWordsLeftMm = 1.5;
inline constexpr double kWordsHeightMm = 3.6;

// The sample cells keep the shape of the number row's cells at a smaller
// size, the glyph grid scaled with them.
inline constexpr int kSampleCount = 13;
inline constexpr double kBoxHeightMm = 7.0;
inline constexpr double kBoxScale = kBoxHeightMm / mirelo::kDigitCellHeightMm;
inline constexpr double kBoxWidthMm = mirelo::kDigitCellWidthMm * kBoxScale;
inline constexpr double kBoxTopMm = (kHeightMm - kBoxHeightMm) / 2;
inline constexpr double kFirstBoxLeftMm = 15.0;
inline constexpr double kBoxPitchMm = 7.8;

inline constexpr double kMarkBoxSizeMm = 4.5;
inline constexpr double kCrossedBoxLeftMm = 120.5;
inline constexpr double kTickedBoxLeftMm = 130.0;

inline constexpr double BoxLeftMm(int sample) { return kFirstBoxLeftMm + kBoxPitchMm * sample; }
inline constexpr double GridXMm(int sample, mirelo::GlyphColumn c) {
  return BoxLeftMm(sample) + mirelo::GlyphColumnMm(c) * kBoxScale;
}
inline constexpr double GridYMm(mirelo::GlyphRow r) {
  return kBoxTopMm + mirelo::GlyphRowMm(r) * kBoxScale;
}

}  // namespace example_strip
