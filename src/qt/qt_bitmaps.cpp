#include "qt/qt_bitmaps.h"

#include <QString>

namespace mirelo {

QImage LoadPageBitmap(std::string_view resourceName) {
  // Only the known names reach the resource system, so a name can never
  // address some other embedded file.
  const char* path = nullptr;
  if (resourceName == "imgQRCord") path = ":/bitmaps/imgQRCord.bmp";
  if (resourceName == "imgRei") path = ":/bitmaps/imgRei.bmp";
  if (!path) return {};
  return QImage(QString::fromLatin1(path), "BMP");
}

}  // namespace mirelo
