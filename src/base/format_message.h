// Fills the one %s of a message.
#pragma once

#include <string>
#include <string_view>

#include "base/visible_text.h"

namespace mirelo {

// arg is a name the user gave (a path, a printer, a font); it goes in with its
// control characters shown escaped, so the message keeps its one line.
inline std::string FormatMessage(std::string_view pattern, std::string_view arg) {
  std::string out(pattern);
  std::size_t at = out.find("%s");
  if (at != std::string::npos) out.replace(at, 2, EscapeControls(arg));
  return out;
}

}  // namespace mirelo
