// Text measurement on a QImage of the A4 page at the screen's logical dots
// per inch: the preview canvas's metrics.
#pragma once

#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QRawFont>
#include <QTextLayout>

#include <map>
#include <string>
#include <utility>
#include <vector>

#include "platform/text_measurer.h"
#include "qt/context_free_font.h"

namespace mirelo::qt {

class QtTextMeasurer : public TextMeasurer {
 public:
  // With fastPrefixWidths off, PrefixWidths measures every prefix on its own
  // (the reference the fast way is held to).
  explicit QtTextMeasurer(int dotsPerInch, bool fastPrefixWidths = true);

  void SetFont(std::u16string_view faceName, int pointSize) override;
  int FontPointSize() const override { return pointSize_; }
  int FontHeight() const override;
  int DotsPerInch() const override { return dpi_; }
  int TextWidth(std::u16string_view text) override;

  // One shaped layout of the whole text gives the width at every prefix end
  // where that is provably the width of the prefix measured alone; the other
  // prefixes are measured alone. See the .cpp for when a layout width counts.
  // Nothing is kept here: the core keeps what was measured in front of any
  // measurer (KeptWidthsMeasurer).
  void PrefixWidths(std::u16string_view text, std::vector<int>& widths) override;
  bool HasFastPrefixWidths() const override { return fast_; }

  const QFont& Font() const { return font_->font; }

 private:
  // One face and size on this device, made once.
  struct MeasuringFont {
    QFont font;
    QFontMetrics metrics;
  };

  // The shaping of the font of a glyph run, read once per font engine.
  const FontShaping& ShapingOf(const QRawFont& font);
  void MeasurePrefixes(std::u16string_view text, std::vector<int>& widths);

  int dpi_;
  bool fast_;
  QImage device_;
  std::map<std::pair<std::u16string, int>, MeasuringFont> fonts_;
  MeasuringFont* font_ = nullptr;  // the font set last
  int pointSize_ = 0;
  // Per font engine in use (a QRawFont keeps its engine alive, so a kept
  // entry never stands for another font).
  std::vector<std::pair<QRawFont, FontShaping>> fontShapings_;
};

}  // namespace mirelo::qt
