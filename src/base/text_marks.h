// The marks that box text carries: "[改行]" as the survey writes a forced
// break, and the two characters the line breaker works with. The survey's
// group spacing and the box contents write them, line breaking and placement
// read them, so they stand below both.
#pragma once

namespace mirelo {

inline constexpr char16_t kLineBreakText[] = u"[改行]";
inline constexpr char16_t kLineBreakMark = u'\u03BA';  // κ: a forced break
inline constexpr char16_t kTabMark = u'\u03C4';        // τ: continue at TabPos

}  // namespace mirelo
