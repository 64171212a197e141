#include "ui/window_placement.h"

#include <algorithm>

namespace mirelo {

WindowPosition OpeningPosition(std::optional<int> savedLeft, std::optional<int> savedTop,
                               WindowPosition centred, int width, int height,
                               const std::vector<DeviceRectangle>& workAreas) {
  const WindowPosition saved{savedLeft.value_or(centred.left), savedTop.value_or(centred.top)};
  if (workAreas.empty()) return saved;
  // In 64 bits: a place read from the file may lie near the ends of int. A
  // window not yet given its size counts as one pixel.
  const long long left = saved.left, top = saved.top;
  const long long right = left + std::max(width, 1), bottom = top + std::max(height, 1);
  for (const DeviceRectangle& area : workAreas) {
    if (std::max<long long>(left, area.Left) < std::min<long long>(right, area.Right) &&
        std::max<long long>(top, area.Top) < std::min<long long>(bottom, area.Bottom))
      return saved;
  }
  return centred;
}

}  // namespace mirelo
