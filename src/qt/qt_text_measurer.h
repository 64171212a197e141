// Text measurement on a QImage of the A4 page at the screen's logical dots
// per inch: the preview canvas's metrics.
#pragma once

#include <QFont>
#include <QImage>

#include "platform/text_measurer.h"

namespace mirelo::qt {

class QtTextMeasurer : public TextMeasurer {
 public:
  explicit QtTextMeasurer(int dotsPerInch);

  void SetFont(std::u16string_view faceName, int pointSize) override;
  int FontPointSize() const override { return pointSize_; }
  int FontHeight() const override;
  int DotsPerInch() const override { return dpi_; }
  int TextWidth(std::u16string_view text) override;

  const QFont& Font() const { return font_; }

 private:
  int dpi_;
  QImage device_;
  QFont font_;
  int pointSize_ = 0;
};

}  // namespace mirelo::qt
