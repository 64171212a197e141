// A text measurer with fixed widths per character, for exact arithmetic:
// every character is 10 dots unless given its own width; a surrogate pair
// is one character; a prefix that ends inside a pair is recorded, because
// no layout may depend on one.
#pragma once

#include <map>
#include <string>
#include <string_view>

#include "layout/line_breaking.h"
#include "platform/text_measurer.h"

namespace mirelo::test {

class FakeTextMeasurer : public TextMeasurer {
 public:
  std::map<char32_t, int> widths;  // per code point
  int defaultWidth = 10;
  int halfPairWidth = 999;  // what a lone surrogate measures
  int measurements = 0;
  int halfPairMeasurements = 0;
  std::u16string face;
  int points = 0;

  void SetFont(std::u16string_view faceName, int pointSize) override {
    face = faceName;
    points = pointSize;
  }
  int FontPointSize() const override { return points; }
  int FontHeight() const override { return -points * 96 / 72; }
  int DotsPerInch() const override { return 96; }

  int TextWidth(std::u16string_view text) override {
    ++measurements;
    int sum = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
      const char16_t c = text[i];
      if (c >= 0xD800 && c <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
          text[i + 1] <= 0xDFFF) {
        sum += WidthOf(0x10000 + ((c - 0xD800) << 10) + (text[i + 1] - 0xDC00));
        ++i;
      } else if (c >= 0xD800 && c <= 0xDFFF) {
        ++halfPairMeasurements;
        sum += halfPairWidth;
      } else {
        sum += WidthOf(c);
      }
    }
    return sum;
  }

 private:
  int WidthOf(char32_t cp) const {
    const auto it = widths.find(cp);
    return it != widths.end() ? it->second : defaultWidth;
  }
};

}  // namespace mirelo::test
