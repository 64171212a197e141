// Device dots: points, rectangles and the one rounding that makes them.
#pragma once

namespace mirelo {

struct DevicePt {
  int x = 0, y = 0;
  friend bool operator==(const DevicePt&, const DevicePt&) = default;
};
struct DeviceRectangle {
  int Left = 0, Top = 0, Right = 0, Bottom = 0;
  friend bool operator==(const DeviceRectangle&, const DeviceRectangle&) = default;
};

// The nearest integer, halves to the even one, whatever the FPU's mode.
int RoundHalfEven(double v);

}  // namespace mirelo
