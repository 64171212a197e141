// Code page 932 as Windows reads and writes it: every byte 0x00 to 0x7F is
// the code point of the same value, alone, between double-byte characters,
// and after a lead byte whose second byte is missing.
#include <string>

#include <gtest/gtest.h>

#include "base/text_encoding.h"

namespace mirelo {
namespace {

// "あ" and "漢" in code page 932, spelled out so the expectations do not
// depend on the converter under test.
constexpr std::string_view kA932 = "\x82\xA0", kKan932 = "\x8A\xBF";

std::string Hex(int b) {
  static const char digits[] = "0123456789ABCDEF";
  return std::string("0x") + digits[b >> 4] + digits[b & 0xF];
}

TEST(Cp932, EverySingleByteBelow0x80IsItsOwnCodePointBothWays) {
  for (int b = 0x00; b <= 0x7F; ++b) {
    SCOPED_TRACE(Hex(b));
    const std::string byte(1, static_cast<char>(b));
    const std::u16string unit(1, static_cast<char16_t>(b));

    EXPECT_EQ(DecodeCp932(byte), unit);
    EXPECT_EQ(EncodeCp932(unit), byte);
    // Files without a byte-order mark, read and written whole.
    EXPECT_EQ(DecodeTextFile(byte).text, unit);
    EXPECT_EQ(EncodeTextFile(unit, TextEncoding::Cp932), byte);

    const std::string mixed = std::string(kA932) + byte + std::string(kKan932);
    EXPECT_EQ(DecodeCp932(mixed), u"あ" + unit + u"漢");
    EXPECT_EQ(EncodeCp932(u"あ" + unit + u"漢"), mixed);
  }
}

TEST(Cp932, AllOfThemInOneTextRoundTrip) {
  std::string bytes;
  std::u16string text;
  for (int b = 0x00; b <= 0x7F; ++b) {
    bytes += static_cast<char>(b);
    text += static_cast<char16_t>(b);
  }
  EXPECT_EQ(DecodeCp932(bytes), text);
  EXPECT_EQ(EncodeCp932(text), bytes);
}

// A lead byte followed by a byte that cannot be its second byte is one
// unreadable character; the byte after it is read as itself, not lost.
TEST(Cp932, AByteAfterABrokenLeadByteIsKept) {
  for (int b = 0x00; b <= 0x7F; ++b) {
    if (b >= 0x40 && b <= 0x7E) continue;  // these are second bytes
    SCOPED_TRACE(Hex(b));
    const std::u16string unit(1, static_cast<char16_t>(b));
    EXPECT_EQ(DecodeCp932(std::string("\x81") + static_cast<char>(b)), u"\uFFFD" + unit);
    EXPECT_EQ(DecodeCp932(std::string("\x9F") + static_cast<char>(b) + "\x82\xA0"),
              u"\uFFFD" + unit + u"あ");
  }
}

TEST(Cp932, UnmappableCharactersStillBecomeAQuestionMark) {
  EXPECT_EQ(EncodeCp932(u"a\u00E9\x1A\U0001F600\x7F"), "a?\x1A?\x7F");
}

}  // namespace
}  // namespace mirelo
