#include "layout/kept_widths_measurer.h"

namespace mirelo {

// Prefixes shorter than this are not looked up among the measured texts.
constexpr std::size_t kRecallKey = 8;
// Line breaking never measures a line's last character, so the last line of
// a text is a measured text and one character more: a few units at most.
constexpr std::size_t kRecallTail = 4;

KeptWidthsMeasurer::KeptWidthsMeasurer(std::unique_ptr<TextMeasurer> measurer)
    : measurer_(std::move(measurer)) {
  font_ = &fonts_[{std::u16string(), measurer_->FontPointSize()}];
}

void KeptWidthsMeasurer::SetFont(std::u16string_view faceName, int pointSize) {
  measurer_->SetFont(faceName, pointSize);
  font_ = &fonts_[{std::u16string(faceName), pointSize}];
}

int KeptWidthsMeasurer::TextWidth(std::u16string_view text) {
  auto [it, made] = font_->widths.try_emplace(std::u16string(text), 0);
  if (made) it->second = measurer_->TextWidth(text);
  return it->second;
}

bool KeptWidthsMeasurer::Recall(std::u16string_view text, std::vector<int>& widths) {
  if (text.size() < kRecallKey) return false;
  const auto it = font_->byStart.find(std::u16string(text.substr(0, kRecallKey)));
  if (it == font_->byStart.end()) return false;
  const MeasuredText* head = nullptr;  // the longest measured text that text begins with
  for (auto at = it->second.rbegin(); at != it->second.rend(); ++at) {
    const MeasuredText& seen = font_->measured[*at];
    if (std::u16string_view(seen.text).starts_with(text)) {
      widths.assign(seen.widths.begin(),
                    seen.widths.begin() + static_cast<std::ptrdiff_t>(text.size()));
      return true;
    }
    if (text.starts_with(seen.text) && text.size() - seen.text.size() <= kRecallTail &&
        (!head || seen.text.size() > head->text.size()))
      head = &seen;
  }
  if (!head) return false;
  // The widths kept for the head, and the few prefixes after it measured alone.
  widths = head->widths;
  for (std::size_t k = head->text.size() + 1; k <= text.size(); ++k)
    widths.push_back(TextWidth(text.substr(0, k)));
  Remember(text, widths);  // a page drawn again finds the whole line
  return true;
}

void KeptWidthsMeasurer::Remember(std::u16string_view text, const std::vector<int>& widths) {
  if (text.size() < kRecallKey) return;
  font_->byStart[std::u16string(text.substr(0, kRecallKey))].push_back(font_->measured.size());
  font_->measured.push_back({std::u16string(text), widths});
}

void KeptWidthsMeasurer::PrefixWidths(std::u16string_view text, std::vector<int>& widths) {
  if (Recall(text, widths)) return;
  measurer_->PrefixWidths(text, widths);
  Remember(text, widths);
}

}  // namespace mirelo
