#include "layout/line_breaking.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "layout/text_clusters.h"

namespace mirelo {

namespace {

// Prefix widths of the remaining text, in dots. A measurer with a fast
// PrefixWidths measures a stretch of the text at once: first as much as most
// lines of the form's boxes take (a line of full-width characters, or one
// with some half-width ones among them), then, if the line runs on, all it
// can reach. Every unit measured past the break is measured again for the
// next line, and a line that outruns the first stretch is measured twice.
// Otherwise each prefix is measured when the loop reaches it, so nothing
// past the break is measured.
class PrefixWidthSource {
 public:
  PrefixWidthSource(TextMeasurer& measurer, std::u16string_view text)
      : measurer_(measurer), text_(text) {
    if (!measurer.HasFastPrefixWidths()) return;
    // The last character is never width-tested, and nothing after the first
    // forced break or past the length limit belongs to this line.
    reach_ = std::min(text.size() - 1, kMaxLineLength);
    reach_ = std::min(reach_, text.substr(0, reach_).find(kLineBreakMark));
    Measure(std::min(reach_, kFirstStretch));
  }

  // The width of the first end code units.
  int At(std::size_t end) {
    if (end > widths_.size() && widths_.size() < reach_) Measure(reach_);
    if (end <= widths_.size()) return widths_[end - 1];
    return measurer_.TextWidth(text_.substr(0, end));
  }

 private:
  static constexpr std::size_t kFirstStretch = 80;

  void Measure(std::size_t units) {
    // A stretch that ended inside a character would hand the measurer half
    // of it, which sends it the slow way for the whole stretch.
    if (units < text_.size()) units = ClusterStart(text_, units);
    if (units > widths_.size()) measurer_.PrefixWidths(text_.substr(0, units), widths_);
  }

  TextMeasurer& measurer_;
  std::u16string_view text_;
  std::size_t reach_ = 0;
  std::vector<int> widths_;
};

bool HoldsOnlyTabMarks(std::u16string_view text) {
  return std::all_of(text.begin(), text.end(), [](char16_t c) { return c == kTabMark; });
}

// Ends the line after `end` code units; the rest continues behind a TabMark.
std::u16string TakeLine(std::u16string& text, std::size_t end) {
  std::u16string line = text.substr(0, end);
  text.erase(0, end);
  if (!text.empty()) text.insert(text.begin(), kTabMark);
  return line;
}

// Ends the line after `end` code units at a forced break, which is dropped.
std::u16string TakeLineAtForcedBreak(std::u16string& text, std::size_t end, double tabPos) {
  std::u16string line = text.substr(0, end);
  text.erase(0, end + 1);
  if (!text.empty() && tabPos > 0) text.insert(text.begin(), kTabMark);
  return line;
}

// The character at `start` does not fit (by width or by the length limit).
// Normally the line ends before it. A line that would hold nothing but
// TabMarks would leave the text as long as it was, so the character goes on
// the line instead, however wide, together with any TabMarks before the
// first visible character.
std::u16string BreakBefore(std::u16string& text, std::size_t start, double tabPos) {
  const std::u16string_view view(text);
  if (!HoldsOnlyTabMarks(view.substr(0, start))) return TakeLine(text, start);

  std::size_t end = start;
  while (end < view.size()) {
    if (view[end] == kLineBreakMark) return TakeLineAtForcedBreak(text, end, tabPos);
    const std::size_t next = ClusterEnd(view, end);
    if (next > kMaxLineLength) break;
    const bool wasTabMark = view[end] == kTabMark;
    end = next;
    if (!wasTabMark) return TakeLine(text, end);
  }
  if (end == view.size()) return TakeLine(text, end);
  // Only a character longer than the limit itself (a base with a long run of
  // selectors) or a run of 127 TabMarks gets here: cut at the limit, but
  // never inside a surrogate pair.
  end = kMaxLineLength;
  if (IsLowSurrogate(view[end]) && IsHighSurrogate(view[end - 1])) --end;
  return TakeLine(text, end);
}

void TrimControlsAndSpaces(std::u16string& text) {
  const auto blank = [](char16_t c) { return c <= u' '; };
  const auto first = std::find_if_not(text.begin(), text.end(), blank);
  const auto last = std::find_if_not(text.rbegin(), text.rend(), blank).base();
  text = first < last ? std::u16string(first, last) : std::u16string();
}

void MarkForcedBreaks(std::u16string& text) {
  const std::u16string_view marker(kLineBreakText);
  std::u16string out;
  out.reserve(text.size());
  std::size_t from = 0;
  for (std::size_t at = text.find(marker); at != std::u16string::npos;
       at = text.find(marker, from)) {
    out.append(text, from, at - from);
    out.push_back(kLineBreakMark);
    from = at + marker.size();
  }
  out.append(text, from);
  text = std::move(out);
}

}  // namespace

std::u16string BreakLine(std::u16string& text, TextMeasurer& canvas, double width, double tabPos,
                         double pixelsPerMm) {
  if (text.empty()) return {};
  const std::u16string_view view(text);
  const std::size_t n = view.size();
  PrefixWidthSource widths(canvas, view);
  double shift = 0;

  for (std::size_t start = 0;;) {
    const std::size_t end = ClusterEnd(view, start);
    if (view[start] == kLineBreakMark) return TakeLineAtForcedBreak(text, start, tabPos);
    if (end > kMaxLineLength) return BreakBefore(text, start, tabPos);
    // The last character goes on the line without a width test.
    if (end >= n) return std::exchange(text, std::u16string());
    const double prefix = widths.At(end) / pixelsPerMm;
    if (view[start] == kTabMark) shift = tabPos - prefix;
    if (prefix > width - shift) return BreakBefore(text, start, tabPos);
    start = end;
  }
}

void FillBox(BoxTable& boxes, int box, std::u16string_view text, TextMeasurer& preview,
             double measuringPixelsPerMmX) {
  LayoutBox& target = boxes[box];
  const double width = InnerWidth(target);
  const double tabPos = EffectiveTabPos(target);
  preview.SetFont(FontNameText(target), EffectiveFontSize(target));

  std::u16string rest(text);
  TrimControlsAndSpaces(rest);
  MarkForcedBreaks(rest);
  while (!rest.empty()) {
    std::u16string line = BreakLine(rest, preview, width, tabPos, measuringPixelsPerMmX);
    if (!line.empty()) target.LineList.push_back(std::move(line));
  }
}

}  // namespace mirelo
