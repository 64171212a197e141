// The page bitmaps ("imgQRCord", "imgRei") among the executable's
// resources, as a device-independent bitmap to draw.
#pragma once

#include <string_view>

#include "win32/windows_api.h"

namespace mirelo::win32 {

struct PageBitmap {
  const BITMAPINFO* info = nullptr;
  const void* bits = nullptr;
  int width = 0, height = 0;
};

// Nothing for a name that is not one of the two; the resource stays loaded
// for the life of the process.
PageBitmap FindPageBitmap(std::string_view name);

}  // namespace mirelo::win32
