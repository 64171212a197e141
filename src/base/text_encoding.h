// Text encodings of the files the program reads and writes: code page 932
// (the Microsoft form of Shift_JIS) and the three Unicode forms a byte-order
// mark announces. Text inside the program is UTF-16, as the layout counts
// UTF-16 code units.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace mirelo {

enum class TextEncoding { Cp932, Utf8, Utf16LE, Utf16BE };

struct DecodedText {
  std::u16string text;
  TextEncoding encoding = TextEncoding::Cp932;  // what the file was read as
};

// Invalid or unmapped bytes decode to U+FFFD; decoding never fails.
std::u16string DecodeCp932(std::string_view bytes);
// Characters code page 932 cannot hold become "?".
std::string EncodeCp932(std::u16string_view text);

// Text in one encoding, without a byte-order mark, and back.
std::u16string DecodeText(std::string_view bytes, TextEncoding encoding);
std::string EncodeText(std::u16string_view text, TextEncoding encoding);
// The mark a file in the encoding begins with; none for code page 932.
std::string_view ByteOrderMark(TextEncoding encoding);

// A UTF-8, UTF-16LE or UTF-16BE byte-order mark selects that encoding and is
// dropped; anything else is code page 932.
DecodedText DecodeTextFile(std::string_view bytes);
// The inverse: the mark first for the Unicode forms, none for code page 932.
std::string EncodeTextFile(std::u16string_view text, TextEncoding encoding);

// Splits at CR LF, lone LF and lone CR; a break at the very end makes no
// empty last line.
std::vector<std::u16string> SplitLines(std::u16string_view text);

// UTF-8 for output; a lone surrogate becomes U+FFFD.
std::string ToUtf8(std::u16string_view text);
std::u16string FromUtf8(std::string_view text);

// The longest prefix of text whose code page 932 form has at most maxBytes
// bytes, cut at a character boundary (never inside a double-byte character).
std::string Cp932Prefix(std::u16string_view text, std::size_t maxBytes);

inline bool IsHighSurrogate(char16_t c) { return c >= 0xD800 && c <= 0xDBFF; }
inline bool IsLowSurrogate(char16_t c) { return c >= 0xDC00 && c <= 0xDFFF; }

}  // namespace mirelo
