#include "base/visible_text.h"

namespace mirelo {
namespace {

constexpr char kHex[] = "0123456789ABCDEF";

void AppendByteEscape(std::string& out, unsigned char b) {
  out += "\\x";
  out += kHex[b >> 4];
  out += kHex[b & 0xF];
}

void AppendCodePointEscape(std::string& out, char32_t cp) {
  out += "\\u";
  for (int shift = 12; shift >= 0; shift -= 4) out += kHex[(cp >> shift) & 0xF];
}

// The length of the valid UTF-8 sequence at the start of s and its code
// point, or 0 when s does not start with one (overlong forms, surrogates and
// values past U+10FFFF are not valid).
std::size_t Utf8Sequence(std::string_view s, char32_t* cp) {
  const auto b0 = static_cast<unsigned char>(s[0]);
  std::size_t len;
  unsigned char lo = 0x80, hi = 0xBF;  // the valid range of the second byte
  if (b0 < 0x80) {
    *cp = b0;
    return 1;
  } else if (b0 >= 0xC2 && b0 <= 0xDF) {
    len = 2;
    *cp = b0 & 0x1F;
  } else if (b0 >= 0xE0 && b0 <= 0xEF) {
    len = 3;
    *cp = b0 & 0x0F;
    if (b0 == 0xE0) lo = 0xA0;
    if (b0 == 0xED) hi = 0x9F;
  } else if (b0 >= 0xF0 && b0 <= 0xF4) {
    len = 4;
    *cp = b0 & 0x07;
    if (b0 == 0xF0) lo = 0x90;
    if (b0 == 0xF4) hi = 0x8F;
  } else {
    return 0;
  }
  if (s.size() < len) return 0;
  for (std::size_t i = 1; i < len; ++i) {
    const auto b = static_cast<unsigned char>(s[i]);
    if (i == 1 ? (b < lo || b > hi) : (b < 0x80 || b > 0xBF)) return 0;
    *cp = (*cp << 6) | (b & 0x3F);
  }
  return len;
}

}  // namespace

std::string EscapeControls(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  while (!text.empty()) {
    char32_t cp = 0;
    const std::size_t len = Utf8Sequence(text, &cp);
    if (len == 0) {
      AppendByteEscape(out, static_cast<unsigned char>(text[0]));
      text.remove_prefix(1);
      continue;
    }
    if (cp == U'\t') {
      out += "\\t";
    } else if (cp == U'\n') {
      out += "\\n";
    } else if (cp == U'\r') {
      out += "\\r";
    } else if (cp < 0x20 || cp == 0x7F) {
      AppendByteEscape(out, static_cast<unsigned char>(cp));
    } else if ((cp >= 0x80 && cp <= 0x9F) || cp == 0x2028 || cp == 0x2029) {
      AppendCodePointEscape(out, cp);
    } else {
      out.append(text.substr(0, len));
    }
    text.remove_prefix(len);
  }
  return out;
}

}  // namespace mirelo
