// The preview bitmap as a QImage: white A4 at the screen's dots per inch.
#pragma once

#include <QImage>
#include <QPainter>

#include <memory>

#include "platform/preview_image.h"
#include "qt/qt_painter_canvas.h"

namespace mirelo::qt {

class QtPreviewImage : public PreviewImage {
 public:
  QtPreviewImage(int widthDots, int heightDots, int dotsPerInch);
  ~QtPreviewImage() override;

  Canvas& ImageCanvas() override { return *canvas_; }
  void Clear() override;
  void SavePng(const std::filesystem::path& path) override;
  bool TakePicture(PreviewImage& drawn) override;

  // The picture; ends the drawing on it until the next Clear.
  const QImage& Image();

 private:
  QImage image_;
  QPainter painter_;
  std::unique_ptr<QtPainterCanvas> canvas_;
};

}  // namespace mirelo::qt
