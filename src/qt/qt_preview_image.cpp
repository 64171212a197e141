#include "qt/qt_preview_image.h"

#include <QString>

#include <cmath>
#include <stdexcept>

namespace mirelo::qt {

QtPreviewImage::QtPreviewImage(int widthDots, int heightDots, int dotsPerInch)
    : image_(widthDots, heightDots, QImage::Format_RGB32) {
  const int dotsPerMeter = static_cast<int>(std::lround(dotsPerInch / 0.0254));
  image_.setDotsPerMeterX(dotsPerMeter);
  image_.setDotsPerMeterY(dotsPerMeter);
  image_.fill(Qt::white);
  painter_.begin(&image_);
  canvas_ = std::make_unique<QtPainterCanvas>(
      painter_, DeviceFacts{dotsPerInch, dotsPerInch, 0, 0});
}

QtPreviewImage::~QtPreviewImage() {
  if (painter_.isActive()) painter_.end();
}

const QImage& QtPreviewImage::Image() {
  if (painter_.isActive()) painter_.end();
  return image_;
}

void QtPreviewImage::SavePng(const std::filesystem::path& path) {
  std::filesystem::path temp = path;
  temp += ".tmp";
  const QString tempName = QString::fromStdString(temp.string());
  if (!Image().save(tempName, "PNG")) {
    std::error_code ec;
    std::filesystem::remove(temp, ec);
    throw std::runtime_error(path.string());
  }
  std::error_code ec;
  std::filesystem::rename(temp, path, ec);
  if (ec) {
    std::filesystem::remove(temp, ec);
    throw std::runtime_error(path.string());
  }
}

}  // namespace mirelo::qt
