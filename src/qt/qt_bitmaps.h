// The page bitmaps built into the program, by their resource names.
#pragma once

#include <string_view>

#include <QImage>

namespace mirelo {

// "imgQRCord" or "imgRei" as a QImage; a null image for any other name or if
// the resource cannot be read.
QImage LoadPageBitmap(std::string_view resourceName);

}  // namespace mirelo
