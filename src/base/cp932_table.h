// The table behind code page 932: which bytes lead a double-byte character,
// and the character of each pair.
#pragma once

#include <cstddef>

namespace mirelo::cp932 {

inline constexpr std::size_t kTrailCount = 188;  // 0x40..0x7E, 0x80..0xFC
inline constexpr std::size_t kStoredRows = 50;   // 0x81..0x9F, 0xE0..0xEF, 0xFA..0xFC

// Made from the reference converter; see cp932_table.cpp.
extern const char16_t kDoubleByteRows[kStoredRows][kTrailCount + 1];

inline bool IsLeadByte(unsigned char b) {
  return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
}
inline bool IsTrailByte(unsigned char b) { return b >= 0x40 && b <= 0xFC && b != 0x7F; }
// Half-width katakana 0xA1..0xDF are U+FF61..U+FF9F.
inline bool IsHalfWidthKatakana(unsigned char b) { return b >= 0xA1 && b <= 0xDF; }

// The character of a lead and a trail byte; U+FFFD where none is assigned.
inline char16_t PairCharacter(unsigned char lead, unsigned char trail) {
  const std::size_t column = trail - 0x40u - (trail > 0x7F ? 1u : 0u);
  if (lead >= 0xF0 && lead <= 0xF9)  // user-defined, in order through the private use area
    return static_cast<char16_t>(0xE000 + (lead - 0xF0u) * kTrailCount + column);
  const std::size_t row = lead <= 0x9F   ? lead - 0x81u
                          : lead <= 0xEF ? lead - 0xE0u + 31
                                         : lead - 0xFAu + 47;
  return kDoubleByteRows[row][column];
}

}  // namespace mirelo::cp932
