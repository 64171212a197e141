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

int CharacterHeight(int pointSize, int dotsPerInch) {
  // Sizes come from the settings file as read; keep absurd ones countable.
  const double dots = std::min(std::abs(pointSize * static_cast<double>(dotsPerInch) / 72.0), 1e9);
  return -static_cast<int>(std::lround(dots)) * (pointSize < 0 ? -1 : 1);
}

double UsableScale(double scale) { return scale >= 0.5 && scale <= 2.0 ? scale : 1.0; }

double UsableOffset(double mm) { return std::abs(mm) <= 297.0 ? mm : 0.0; }

DeviceMapping ScreenMapping(PixelsPerMm screen, double x_Bai, double y_Bai, double x_offset,
                            double y_offset) {
  return {screen, UsableScale(x_Bai), UsableScale(y_Bai), UsableOffset(x_offset),
          UsableOffset(y_offset)};
}

DeviceMapping PrinterMapping(PixelsPerMm printer, double x_Bai, double y_Bai, double x_offset,
                             double y_offset, int physicalOffsetX, int physicalOffsetY) {
  return {printer, UsableScale(x_Bai), UsableScale(y_Bai),
          UsableOffset(x_offset) - physicalOffsetX / printer.x,
          UsableOffset(y_offset) - physicalOffsetY / printer.y};
}

}  // namespace mirelo
