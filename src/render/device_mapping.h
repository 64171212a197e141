// Millimetres on the sheet to integer device dots, with the user's scale and
// offset corrections.
#pragma once

#include "base/geometry.h"

namespace mirelo {

struct PixelsPerMm {
  double x = 0, y = 0;
};

PixelsPerMm ScreenPixelsPerMm(int dotsPerInch);
PixelsPerMm PrinterPixelsPerMm(int logPixelsX, int logPixelsY);

// The character height (negative, dots) of a font of pointSize on a device
// of dotsPerInch: -round(points * dpi / 72), halves away from zero.
int CharacterHeight(int pointSize, int dotsPerInch);

// The mapping state of one page drawing: the active PixelsPerMm pair, the
// scales and the effective offsets (mm).
struct DeviceMapping {
  PixelsPerMm ppm;
  double x_Bai = 1.0, y_Bai = 1.0;
  double OffsetX = 0.0, OffsetY = 0.0;

  int DeviceX(double x) const { return RoundHalfEven((x * x_Bai + OffsetX) * ppm.x); }
  int DeviceY(double y) const { return RoundHalfEven((y * y_Bai + OffsetY) * ppm.y); }
  DevicePt DevicePoint(double x, double y) const { return {DeviceX(x), DeviceY(y)}; }
  DeviceRectangle DeviceRect(double x1, double y1, double x2, double y2) const {
    return {DeviceX(x1), DeviceY(y1), DeviceX(x2), DeviceY(y2)};
  }
};

// Scales and offsets come from the settings file as read, and the settings
// keep them so. A scale that cannot be a printer's calibration (not a
// number, 0 or negative, below half or above twice the size) is taken as 1;
// an offset that moves the form off the sheet (more than 297 mm, or not a
// number) as 0. Anything between is used as it stands, 0.95 too.
double UsableScale(double scale);
double UsableOffset(double mm);

// Offset rule. The screen preview shows the user's offsets as they are; the
// printer's canvas starts at its printable area, so its unprintable margin
// (dots) is taken off to count from the paper's edge.
DeviceMapping ScreenMapping(PixelsPerMm screen, double x_Bai, double y_Bai, double x_offset,
                            double y_offset);
DeviceMapping PrinterMapping(PixelsPerMm printer, double x_Bai, double y_Bai, double x_offset,
                             double y_offset, int physicalOffsetX, int physicalOffsetY);

}  // namespace mirelo
