#include "base/json_writer.h"

#include <charconv>
#include <cmath>
#include <cstdio>

#include "base/text_encoding.h"

namespace mirelo {

std::string JsonString(std::string_view utf8) {
  std::string out = "\"";
  for (char ch : utf8) {
    unsigned char c = static_cast<unsigned char>(ch);
    switch (c) {
      case '"':
        out += "\\\"";
        break;
      case '\\':
        out += "\\\\";
        break;
      case '\n':
        out += "\\n";
        break;
      case '\r':
        out += "\\r";
        break;
      case '\t':
        out += "\\t";
        break;
      default:
        if (c < 0x20) {
          char buf[8];
          std::snprintf(buf, sizeof buf, "\\u%04x", c);
          out += buf;
        } else {
          out += ch;
        }
    }
  }
  return out + "\"";
}

std::string JsonString(std::u16string_view text) {
  return JsonString(std::string_view(ToUtf8(text)));
}

std::string JsonNumber(double value) {
  if (!std::isfinite(value)) return "null";
  char buf[64];
  auto [end, ec] = std::to_chars(buf, buf + sizeof buf, value);
  return std::string(buf, end);
}

}  // namespace mirelo
