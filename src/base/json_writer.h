// Minimal JSON text helpers for the headless outputs.
#pragma once

#include <string>
#include <string_view>

namespace mirelo {

// A JSON string literal in UTF-8; a lone surrogate becomes U+FFFD.
std::string JsonString(std::u16string_view text);
std::string JsonString(std::string_view utf8);
// The shortest text that reads back as the same double.
std::string JsonNumber(double value);

}  // namespace mirelo
