#include "qt/qt_text_measurer.h"

#include <QFontMetrics>
#include <QString>

#include <cmath>

namespace mirelo::qt {

QtTextMeasurer::QtTextMeasurer(int dotsPerInch)
    : dpi_(dotsPerInch), device_(1, 1, QImage::Format_RGB32) {
  const int dotsPerMeter = static_cast<int>(std::lround(dotsPerInch / 0.0254));
  device_.setDotsPerMeterX(dotsPerMeter);
  device_.setDotsPerMeterY(dotsPerMeter);
}

void QtTextMeasurer::SetFont(std::u16string_view faceName, int pointSize) {
  font_ = QFont(QString::fromUtf16(faceName.data(), static_cast<qsizetype>(faceName.size())));
  font_.setPointSize(pointSize > 0 ? pointSize : 1);
  pointSize_ = pointSize;
}

int QtTextMeasurer::FontHeight() const {
  return -static_cast<int>(std::lround(pointSize_ * dpi_ / 72.0));
}

int QtTextMeasurer::TextWidth(std::u16string_view text) {
  QFontMetrics metrics(font_, &device_);
  return metrics.horizontalAdvance(
      QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size())));
}

}  // namespace mirelo::qt
