// Text measurement: the one place where glyph widths come from, for line
// breaking and character placement alike, on screen and while printing. The
// core measures at one fixed resolution (layout/measuring_resolution.h).
#pragma once

#include <string_view>
#include <vector>

namespace mirelo {

class TextMeasurer {
 public:
  virtual ~TextMeasurer() = default;

  // Sets face name and point size; no other font property.
  virtual void SetFont(std::u16string_view faceName, int pointSize) = 0;
  // The point size and character height (negative, in device dots) that the
  // font set last has on this device: -round(points * dpi / 72).
  virtual int FontPointSize() const = 0;
  virtual int FontHeight() const = 0;
  virtual int DotsPerInch() const = 0;

  // Width in device dots of text in the current font, as the platform's
  // text-extent call gives it.
  virtual int TextWidth(std::u16string_view text) = 0;

  // widths[k-1] = TextWidth(text.substr(0, k)) for k = 1..text.size().
  // Implementations may compute it faster, but every value must equal the
  // width of that prefix measured on its own.
  virtual void PrefixWidths(std::u16string_view text, std::vector<int>& widths) {
    widths.resize(text.size());
    for (std::size_t k = 1; k <= text.size(); ++k) widths[k - 1] = TextWidth(text.substr(0, k));
  }

  // True when PrefixWidths of a whole line costs about as much as measuring
  // the line once. Line breaking then asks for all prefixes up front, where it
  // would otherwise measure one prefix at a time and stop at the break.
  virtual bool HasFastPrefixWidths() const { return false; }
};

}  // namespace mirelo
