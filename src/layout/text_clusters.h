// Where a line of UTF-16 text may be cut and what is drawn as one character:
// a surrogate pair is one character, and a variation selector belongs to the
// character before it. Cutting inside either would leave a lone surrogate or
// a selector without its base on the page.
#pragma once

#include <cstddef>
#include <string_view>

#include "base/text_encoding.h"

namespace mirelo {

// The end (exclusive, in code units) of the character that starts at start:
// one unit, or a surrogate pair, followed by any variation selectors
// (U+FE00..FE0F, U+E0100..E01EF). The line's own marks (TabMark,
// LineBreakMark) never take a selector: they stay one unit each.
std::size_t ClusterEnd(std::u16string_view text, std::size_t start);

// The start of the character that holds code unit pos.
std::size_t ClusterStart(std::u16string_view text, std::size_t pos);

}  // namespace mirelo
