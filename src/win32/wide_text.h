// The program's texts (UTF-8 and UTF-16) as the wide strings of the Windows
// API, whose wchar_t is a UTF-16 unit.
#pragma once

#include <string>
#include <string_view>

#include "base/text_encoding.h"

namespace mirelo::win32 {

inline std::wstring Wide(std::u16string_view text) {
  return std::wstring(text.begin(), text.end());
}
inline std::wstring WideFromUtf8(std::string_view utf8) { return Wide(FromUtf8(utf8)); }
inline std::u16string FromWide(std::wstring_view text) {
  return std::u16string(text.begin(), text.end());
}
inline std::string Utf8FromWide(std::wstring_view text) { return ToUtf8(FromWide(text)); }

}  // namespace mirelo::win32
