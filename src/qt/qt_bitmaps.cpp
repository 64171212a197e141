#include "qt/qt_bitmaps.h"

#include <QImageReader>
#include <QString>

namespace mirelo {

QImage LoadPageBitmap(std::string_view resourceName) {
  // Only the known names reach the resource system, so a name can never
  // address some other embedded file.
  const char* path = nullptr;
  if (resourceName == "imgQRCord") path = ":/bitmaps/imgQRCord.bmp";
  if (resourceName == "imgRei") path = ":/bitmaps/imgRei.bmp";
  if (!path) return {};
  // Read as BMP straight away: a reader left to guess would first load
  // every image format plugin to ask it about the file.
  QImageReader reader(QString::fromLatin1(path), "BMP");
  reader.setAutoDetectImageFormat(false);
  return reader.read();
}

QImage LoadAppIcon() {
  QImageReader reader(QStringLiteral(":/bitmaps/mirelo-icon.png"), "PNG");
  reader.setAutoDetectImageFormat(false);
  return reader.read();
}

}  // namespace mirelo
