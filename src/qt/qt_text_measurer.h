// Text measurement on a QImage of the A4 page at the screen's logical dots
// per inch: the preview canvas's metrics.
#pragma once

#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QRawFont>
#include <QTextLayout>

#include <deque>
#include <map>
#include <string>
#include <unordered_map>
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
  void PrefixWidths(std::u16string_view text, std::vector<int>& widths) override;
  bool HasFastPrefixWidths() const override { return fast_; }

  const QFont& Font() const { return font_->font; }

 private:
  // A text whose prefix widths were measured, kept with them.
  struct MeasuredText {
    std::u16string text;
    std::vector<int> widths;
  };
  // One face and size on this device, made once, with what was measured in
  // it. A width depends on nothing but the font, the device and the text,
  // so a text measured again is answered from what is kept.
  struct MeasuringFont {
    QFont font;
    QFontMetrics metrics;
    std::unordered_map<std::u16string, int> widths;  // TextWidth by text
    std::deque<MeasuredText> measured;               // PrefixWidths by text
    // The measured texts by their first units: a line placed on the page is
    // a prefix of the text that was measured when it was broken.
    std::unordered_map<std::u16string, std::vector<std::size_t>> byStart;
  };

  // The shaping of the font of a glyph run, read once per font engine.
  const FontShaping& ShapingOf(const QRawFont& font);
  // The widths of every prefix of text, if text is a prefix of a text
  // measured before in the current font, or one with a short tail after it
  // (whose prefixes are then measured alone).
  bool Recall(std::u16string_view text, std::vector<int>& widths);
  void Remember(std::u16string_view text, const std::vector<int>& widths);
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
