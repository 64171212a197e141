// Paths to and from the program's UTF-8 strings. A std::filesystem::path
// made from a plain std::string reads it in the system's narrow encoding,
// which on Windows is the ANSI code page, not UTF-8: "あい.txt" would name
// another file there. Every path the program makes from its own text, and
// every path it shows in a message, goes through these.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace mirelo {

inline std::filesystem::path PathFromUtf8(std::string_view utf8) {
  return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

inline std::string PathToUtf8(const std::filesystem::path& path) {
  const std::u8string text = path.u8string();
  return std::string(text.begin(), text.end());
}

}  // namespace mirelo
