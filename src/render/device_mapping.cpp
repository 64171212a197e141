#include "render/device_mapping.h"

#include <algorithm>
#include <cmath>

namespace mirelo {

PixelsPerMm ScreenPixelsPerMm(int dotsPerInch) {
  double v = dotsPerInch / 25.4;
  return {v, v};
}

PixelsPerMm PrinterPixelsPerMm(int logPixelsX, int logPixelsY) {
  return {logPixelsX / 25.4, logPixelsY / 25.4};
}

int RoundHalfEven(double v) {
  // Settings are used as read, so a wild scale can ask for any value; keep
  // it within what a device coordinate can hold.
  constexpr double kLimit = 1 << 30;
  if (!(v > -kLimit)) return -static_cast<int>(kLimit);  // NaN too
  if (v > kLimit) return static_cast<int>(kLimit);
  double f = std::floor(v);
  double diff = v - f;
  if (diff > 0.5) return static_cast<int>(f) + 1;
  if (diff < 0.5) return static_cast<int>(f);
  return std::fmod(f, 2.0) == 0 ? static_cast<int>(f) : static_cast<int>(f) + 1;
}

int CharacterHeight(int pointSize, int dotsPerInch) {
  // Sizes come from the settings file as read; keep absurd ones countable.
  const double dots = std::min(std::abs(pointSize * static_cast<double>(dotsPerInch) / 72.0), 1e9);
  return -static_cast<int>(std::lround(dots)) * (pointSize < 0 ? -1 : 1);
}

DeviceMapping ScreenMapping(PixelsPerMm screen, double x_Bai, double y_Bai, double x_offset,
                            double y_offset) {
  return {screen, x_Bai, y_Bai, x_offset, y_offset};
}

DeviceMapping PrinterMapping(PixelsPerMm printer, double x_Bai, double y_Bai, double x_offset,
                             double y_offset, int physicalOffsetX, int physicalOffsetY) {
  return {printer, x_Bai, y_Bai, x_offset - physicalOffsetX / printer.x,
          y_offset - physicalOffsetY / printer.y};
}

}  // namespace mirelo
