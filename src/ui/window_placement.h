// Where the main window opens: the place saved at the last close, unless no
// screen would show any of the window there (a monitor since unplugged, a
// laptop off its docking station); then the centred place of a first start.
#pragma once

#include <optional>
#include <vector>

#include "base/geometry.h"
#include "ui/main_window_view.h"

namespace mirelo {

// saved holds the settings' "Left" and "Top" where the file has them; each
// one missing is the centred one. A window of width × height at the saved
// place that overlaps some work area by at least a pixel opens there, off
// centre or partly outside as it may be; one that overlaps none opens
// centred. Without any work area reported, the saved place stands.
WindowPosition OpeningPosition(std::optional<int> savedLeft, std::optional<int> savedTop,
                               WindowPosition centred, int width, int height,
                               const std::vector<DeviceRectangle>& workAreas);

}  // namespace mirelo
