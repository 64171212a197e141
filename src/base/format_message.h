// Fills the one %s of a message.
#pragma once

#include <string>
#include <string_view>

namespace mirelo {

inline std::string FormatMessage(std::string_view pattern, std::string_view arg) {
  std::string out(pattern);
  std::size_t at = out.find("%s");
  if (at != std::string::npos) out.replace(at, 2, arg);
  return out;
}

}  // namespace mirelo
