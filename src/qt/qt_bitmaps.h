// The page bitmaps built into the program, by their resource names, and
// the program's icon.
#pragma once

#include <string_view>

#include <QImage>

namespace mirelo {

// "imgQRCord" or "imgRei" as a QImage; a null image for any other name or if
// the resource cannot be read.
QImage LoadPageBitmap(std::string_view resourceName);

// The program's icon, 64 dots square, as the Windows build has it; a null
// image if the resource cannot be read.
QImage LoadAppIcon();

}  // namespace mirelo
