#include "base/geometry.h"

#include <cmath>

namespace mirelo {

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

}  // namespace mirelo
