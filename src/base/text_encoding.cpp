#include "base/text_encoding.h"

#include <array>
#include <cstdint>

#include "base/cp932_table.h"

namespace mirelo {
namespace {

constexpr char16_t kReplacement = 0xFFFD;

bool StartsWith(std::string_view s, std::string_view prefix) {
  return s.substr(0, prefix.size()) == prefix;
}

// Several pairs of code page 932 stand for the same character (the NEC and
// IBM extensions repeat each other and a few JIS symbols). Writing, the
// character takes the pair Windows writes: the JIS rows first, then NEC's
// row 13 (lead 0x87), then IBM's rows (0xFA..0xFC), then the NEC-selected
// copies of IBM's (0xED, 0xEE).
int WritingRank(unsigned lead) {
  if (lead == 0x87) return 1;
  if (lead >= 0xFA) return 2;
  if (lead == 0xED || lead == 0xEE) return 3;
  return 0;
}

// For each character of the Basic Multilingual Plane its bytes in code
// page 932 (one byte below 0x100, else lead * 256 + trail), 0 for none.
// Characters below U+0080 are their own byte and are not looked up.
using EncodeTable = std::array<std::uint16_t, 0x10000>;

EncodeTable MakeEncodeTable() {
  EncodeTable table{};
  std::array<std::uint8_t, 0x10000> rank{};
  for (unsigned b = 0xA1; b <= 0xDF; ++b)
    table[0xFF61 + (b - 0xA1)] = static_cast<std::uint16_t>(b);
  for (unsigned lead = 0x81; lead <= 0xFC; ++lead) {
    if (!cp932::IsLeadByte(static_cast<unsigned char>(lead))) continue;
    for (unsigned trail = 0x40; trail <= 0xFC; ++trail) {
      if (!cp932::IsTrailByte(static_cast<unsigned char>(trail))) continue;
      const char16_t ch =
          cp932::PairCharacter(static_cast<unsigned char>(lead), static_cast<unsigned char>(trail));
      if (ch == kReplacement) continue;
      const int r = WritingRank(lead);
      if (table[ch] != 0 && rank[ch] <= r) continue;
      table[ch] = static_cast<std::uint16_t>(lead * 256 + trail);
      rank[ch] = static_cast<std::uint8_t>(r);
    }
  }
  return table;
}

const EncodeTable& Cp932EncodeTable() {
  static const EncodeTable table = MakeEncodeTable();
  return table;
}

// UTF-8 as the Unicode standard recommends reading broken input: each
// maximal part of a sequence that cannot be completed becomes one U+FFFD.
std::u16string DecodeUtf8(std::string_view bytes) {
  std::u16string out;
  out.reserve(bytes.size());
  std::size_t i = 0;
  while (i < bytes.size()) {
    const auto b = static_cast<unsigned char>(bytes[i]);
    if (b < 0x80) {
      out += static_cast<char16_t>(b);
      ++i;
      continue;
    }
    int more = 0;
    char32_t cp = 0;
    unsigned char low = 0x80, high = 0xBF;  // the allowed range of the second byte
    if (b >= 0xC2 && b <= 0xDF) {
      more = 1;
      cp = b & 0x1F;
    } else if (b >= 0xE0 && b <= 0xEF) {
      more = 2;
      cp = b & 0x0F;
      if (b == 0xE0) low = 0xA0;   // no overlong forms
      if (b == 0xED) high = 0x9F;  // no surrogates
    } else if (b >= 0xF0 && b <= 0xF4) {
      more = 3;
      cp = b & 0x07;
      if (b == 0xF0) low = 0x90;
      if (b == 0xF4) high = 0x8F;  // nothing beyond U+10FFFF
    } else {
      out += kReplacement;
      ++i;
      continue;
    }
    std::size_t j = i + 1;
    bool complete = true;
    for (int k = 0; k < more; ++k, ++j) {
      const auto c = j < bytes.size() ? static_cast<unsigned char>(bytes[j]) : 0;
      const unsigned char lo = k == 0 ? low : 0x80, hi = k == 0 ? high : 0xBF;
      if (j >= bytes.size() || c < lo || c > hi) {
        complete = false;
        break;
      }
      cp = (cp << 6) | (c & 0x3F);
    }
    i = j;
    if (!complete) {
      out += kReplacement;
    } else if (cp >= 0x10000) {
      out += static_cast<char16_t>(0xD800 + ((cp - 0x10000) >> 10));
      out += static_cast<char16_t>(0xDC00 + ((cp - 0x10000) & 0x3FF));
    } else {
      out += static_cast<char16_t>(cp);
    }
  }
  return out;
}

// UTF-16 in either byte order; a surrogate without its partner and an odd
// last byte become U+FFFD.
std::u16string DecodeUtf16(std::string_view bytes, bool bigEndian) {
  std::u16string units;
  units.reserve(bytes.size() / 2 + 1);
  for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
    const auto a = static_cast<unsigned char>(bytes[i]),
               b = static_cast<unsigned char>(bytes[i + 1]);
    units += static_cast<char16_t>(bigEndian ? (a << 8) | b : (b << 8) | a);
  }
  const bool oddByte = bytes.size() % 2 != 0;
  std::u16string out;
  out.reserve(units.size() + 1);
  for (std::size_t i = 0; i < units.size(); ++i) {
    const char16_t c = units[i];
    if (IsHighSurrogate(c) && i + 1 < units.size() && IsLowSurrogate(units[i + 1])) {
      out += c;
      out += units[++i];
    } else if (IsHighSurrogate(c) && i + 1 == units.size() && oddByte) {
      // A pair cut off inside its second half: one unreadable character.
      out += kReplacement;
      return out;
    } else {
      out += IsHighSurrogate(c) || IsLowSurrogate(c) ? kReplacement : c;
    }
  }
  if (oddByte) out += kReplacement;
  return out;
}

std::string EncodeUtf16(std::u16string_view text, bool bigEndian) {
  std::string out;
  out.reserve(text.size() * 2);
  for (std::size_t i = 0; i < text.size(); ++i) {
    char16_t c = text[i];
    if (IsHighSurrogate(c) && i + 1 < text.size() && IsLowSurrogate(text[i + 1])) {
      // the pair goes out as it stands
    } else if (IsLowSurrogate(c) && i > 0 && IsHighSurrogate(text[i - 1])) {
      // the second half of a pair
    } else if (IsHighSurrogate(c) || IsLowSurrogate(c)) {
      c = kReplacement;
    }
    const char hi = static_cast<char>(c >> 8), lo = static_cast<char>(c & 0xFF);
    out += bigEndian ? hi : lo;
    out += bigEndian ? lo : hi;
  }
  return out;
}

}  // namespace

// Bytes below 0x80 are the code points of the same value, alone, wherever
// they stand, as Windows reads them. A lead byte whose second byte cannot
// follow it is one unreadable character, and that byte is read again on its
// own; so is a lead byte at the very end.
std::u16string DecodeCp932(std::string_view bytes) {
  std::u16string out;
  out.reserve(bytes.size());
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    const auto b = static_cast<unsigned char>(bytes[i]);
    if (b < 0x80) {
      out += static_cast<char16_t>(b);
    } else if (cp932::IsHalfWidthKatakana(b)) {
      out += static_cast<char16_t>(0xFF61 + (b - 0xA1));
    } else if (cp932::IsLeadByte(b) && i + 1 < bytes.size() &&
               cp932::IsTrailByte(static_cast<unsigned char>(bytes[i + 1]))) {
      out += cp932::PairCharacter(b, static_cast<unsigned char>(bytes[i + 1]));
      ++i;
    } else {
      out += kReplacement;  // 0x80, 0xA0, 0xFD..0xFF, or a lead byte alone
    }
  }
  return out;
}

// One "?" for each character that has no bytes, a surrogate pair counting
// as one character; no character is written as a look-alike.
std::string EncodeCp932(std::u16string_view text) {
  const EncodeTable& table = Cp932EncodeTable();
  std::string out;
  out.reserve(text.size() * 2);
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char16_t c = text[i];
    if (c < 0x80) {
      out += static_cast<char>(c);
      continue;
    }
    if (IsHighSurrogate(c) && i + 1 < text.size() && IsLowSurrogate(text[i + 1])) ++i;
    const std::uint16_t code = (IsHighSurrogate(c) || IsLowSurrogate(c)) ? 0 : table[c];
    if (code == 0) {
      out += '?';
    } else if (code < 0x100) {
      out += static_cast<char>(code);
    } else {
      out += static_cast<char>(code >> 8);
      out += static_cast<char>(code & 0xFF);
    }
  }
  return out;
}

std::u16string DecodeText(std::string_view bytes, TextEncoding encoding) {
  switch (encoding) {
    case TextEncoding::Utf8:
      return DecodeUtf8(bytes);
    case TextEncoding::Utf16LE:
      return DecodeUtf16(bytes, false);
    case TextEncoding::Utf16BE:
      return DecodeUtf16(bytes, true);
    case TextEncoding::Cp932:
      break;
  }
  return DecodeCp932(bytes);
}

std::string EncodeText(std::u16string_view text, TextEncoding encoding) {
  switch (encoding) {
    case TextEncoding::Utf8:
      return ToUtf8(text);
    case TextEncoding::Utf16LE:
      return EncodeUtf16(text, false);
    case TextEncoding::Utf16BE:
      return EncodeUtf16(text, true);
    case TextEncoding::Cp932:
      break;
  }
  return EncodeCp932(text);
}

std::string_view ByteOrderMark(TextEncoding encoding) {
  switch (encoding) {
    case TextEncoding::Utf8:
      return "\xEF\xBB\xBF";
    case TextEncoding::Utf16LE:
      return "\xFF\xFE";
    case TextEncoding::Utf16BE:
      return "\xFE\xFF";
    case TextEncoding::Cp932:
      break;
  }
  return {};
}

DecodedText DecodeTextFile(std::string_view bytes) {
  for (TextEncoding e : {TextEncoding::Utf8, TextEncoding::Utf16LE, TextEncoding::Utf16BE})
    if (StartsWith(bytes, ByteOrderMark(e)))
      return {DecodeText(bytes.substr(ByteOrderMark(e).size()), e), e};
  return {DecodeCp932(bytes), TextEncoding::Cp932};
}

std::string EncodeTextFile(std::u16string_view text, TextEncoding encoding) {
  return std::string(ByteOrderMark(encoding)) + EncodeText(text, encoding);
}

std::vector<std::u16string> SplitLines(std::u16string_view text) {
  std::vector<std::u16string> lines;
  std::size_t start = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    char16_t c = text[i];
    if (c != u'\r' && c != u'\n') continue;
    lines.emplace_back(text.substr(start, i - start));
    if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') ++i;
    start = i + 1;
  }
  if (start < text.size()) lines.emplace_back(text.substr(start));
  return lines;
}

std::string ToUtf8(std::u16string_view text) {
  std::string out;
  out.reserve(text.size() * 3);
  for (std::size_t i = 0; i < text.size(); ++i) {
    char32_t cp = text[i];
    if (IsHighSurrogate(text[i]) && i + 1 < text.size() && IsLowSurrogate(text[i + 1])) {
      cp = 0x10000 + ((cp - 0xD800) << 10) + (text[i + 1] - 0xDC00);
      ++i;
    } else if (IsHighSurrogate(text[i]) || IsLowSurrogate(text[i])) {
      cp = 0xFFFD;
    }
    if (cp < 0x80) {
      out += static_cast<char>(cp);
    } else if (cp < 0x800) {
      out += static_cast<char>(0xC0 | (cp >> 6));
      out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
      out += static_cast<char>(0xE0 | (cp >> 12));
      out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
      out += static_cast<char>(0xF0 | (cp >> 18));
      out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
      out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (cp & 0x3F));
    }
  }
  return out;
}

std::u16string FromUtf8(std::string_view text) { return DecodeUtf8(text); }

std::string Cp932Prefix(std::u16string_view text, std::size_t maxBytes) {
  std::string out;
  for (std::size_t i = 0; i < text.size();) {
    std::size_t len = (IsHighSurrogate(text[i]) && i + 1 < text.size()) ? 2 : 1;
    std::string bytes = EncodeCp932(text.substr(i, len));
    if (out.size() + bytes.size() > maxBytes) break;
    out += bytes;
    i += len;
  }
  return out;
}

}  // namespace mirelo
