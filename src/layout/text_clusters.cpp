#include "layout/text_clusters.h"

#include "layout/line_breaking.h"

namespace mirelo {

namespace {

// Length in code units of the variation selector at pos, or 0.
std::size_t SelectorLength(std::u16string_view text, std::size_t pos) {
  if (pos >= text.size()) return 0;
  const char16_t c = text[pos];
  if (c >= 0xFE00 && c <= 0xFE0F) return 1;
  // U+E0100..E01EF is DB40 DD00..DDEF.
  if (c == 0xDB40 && pos + 1 < text.size() && text[pos + 1] >= 0xDD00 && text[pos + 1] <= 0xDDEF)
    return 2;
  return 0;
}

}  // namespace

std::size_t ClusterEnd(std::u16string_view text, std::size_t start) {
  if (start >= text.size()) return text.size();
  const char16_t first = text[start];
  if (first == kTabMark || first == kLineBreakMark) return start + 1;
  std::size_t end = start + 1;
  if (IsHighSurrogate(first) && end < text.size() && IsLowSurrogate(text[end])) ++end;
  while (std::size_t n = SelectorLength(text, end)) end += n;
  return end;
}

std::size_t ClusterStart(std::u16string_view text, std::size_t pos) {
  // Characters are short, but a run of selectors is not bounded; walk from
  // the last unit that surely starts a character (a unit that is neither a
  // low surrogate nor a selector, nor the high half of a selector).
  std::size_t anchor = pos;
  while (anchor > 0) {
    const char16_t c = text[anchor];
    const bool continuation = IsLowSurrogate(c) || (c >= 0xFE00 && c <= 0xFE0F) ||
                              (c == 0xDB40 && SelectorLength(text, anchor) == 2);
    if (!continuation) break;
    --anchor;
  }
  std::size_t start = anchor;
  for (std::size_t end = ClusterEnd(text, start); end <= pos; end = ClusterEnd(text, start))
    start = end;
  return start;
}

}  // namespace mirelo
