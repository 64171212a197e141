// What was measured, kept in front of any measurer. A width depends on
// nothing but the font, the device and the text, so a text measured again
// is answered from what is kept: line breaking measures each line's
// prefixes once, and placing the same lines on every drawing of a page,
// on screen and on paper, finds them here.
#pragma once

#include <deque>
#include <map>
#include <memory>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

#include "platform/text_measurer.h"

namespace mirelo {

class KeptWidthsMeasurer : public TextMeasurer {
 public:
  explicit KeptWidthsMeasurer(std::unique_ptr<TextMeasurer> measurer);

  void SetFont(std::u16string_view faceName, int pointSize) override;
  int FontPointSize() const override { return measurer_->FontPointSize(); }
  int FontHeight() const override { return measurer_->FontHeight(); }
  int DotsPerInch() const override { return measurer_->DotsPerInch(); }
  int TextWidth(std::u16string_view text) override;
  void PrefixWidths(std::u16string_view text, std::vector<int>& widths) override;
  bool HasFastPrefixWidths() const override { return measurer_->HasFastPrefixWidths(); }

 private:
  // A text whose prefix widths were measured, kept with them.
  struct MeasuredText {
    std::u16string text;
    std::vector<int> widths;
  };
  // What was measured in one face and size.
  struct KeptFont {
    std::unordered_map<std::u16string, int> widths;  // TextWidth by text
    std::deque<MeasuredText> measured;               // PrefixWidths by text
    // The measured texts by their first units: a line placed on the page is
    // a prefix of the text that was measured when it was broken.
    std::unordered_map<std::u16string, std::vector<std::size_t>> byStart;
  };

  // The widths of every prefix of text, if text is a prefix of a text
  // measured before in the current font, or one with a short tail after it
  // (whose prefixes are then measured alone).
  bool Recall(std::u16string_view text, std::vector<int>& widths);
  void Remember(std::u16string_view text, const std::vector<int>& widths);

  std::unique_ptr<TextMeasurer> measurer_;
  std::map<std::pair<std::u16string, int>, KeptFont> fonts_;
  KeptFont* font_ = nullptr;  // the font set last
};

}  // namespace mirelo
