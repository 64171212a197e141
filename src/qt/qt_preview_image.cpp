#include "qt/qt_preview_image.h"

#include <QString>

#include <cmath>
#include <optional>
#include <stdexcept>

#include "base/format_message.h"
#include "base/messages.h"
#include "posix/posix_file_store.h"

namespace mirelo::qt {

QtPreviewImage::QtPreviewImage(int widthDots, int heightDots, int dotsPerInch)
    : image_(widthDots, heightDots, QImage::Format_RGB32) {
  const int dotsPerMeter = static_cast<int>(std::lround(dotsPerInch / 0.0254));
  image_.setDotsPerMeterX(dotsPerMeter);
  image_.setDotsPerMeterY(dotsPerMeter);
  image_.fill(Qt::white);
  painter_.begin(&image_);
  canvas_ =
      std::make_unique<QtPainterCanvas>(painter_, DeviceFacts{dotsPerInch, dotsPerInch, 0, 0});
}

QtPreviewImage::~QtPreviewImage() {
  if (painter_.isActive()) painter_.end();
}

void QtPreviewImage::Clear() {
  image_.fill(Qt::white);
  if (!painter_.isActive()) painter_.begin(&image_);
  canvas_->Reset();
}

const QImage& QtPreviewImage::Image() {
  if (painter_.isActive()) painter_.end();
  return image_;
}

bool QtPreviewImage::TakePicture(PreviewImage& drawn) {
  auto* other = dynamic_cast<QtPreviewImage*>(&drawn);
  if (!other || other->image_.size() != image_.size()) return false;
  if (painter_.isActive()) painter_.end();
  // Shared, not copied: the next drawing here copies it first.
  image_ = other->Image();
  other->image_ = QImage();
  return true;
}

void QtPreviewImage::SavePng(const std::filesystem::path& path) {
  posix::PosixFileStore files;
  const std::optional<std::filesystem::path> temp = files.CreateTempFileBeside(path);
  const bool saved = temp && Image().save(QString::fromStdString(temp->string()), "PNG");
  if (!saved) {
    std::error_code ec;
    if (temp) std::filesystem::remove(*temp, ec);
  }
  if (!saved || !files.CommitTempFile(*temp, path))
    throw std::runtime_error(FormatMessage(msg::kCannotWrite, path.string()));
}

}  // namespace mirelo::qt
