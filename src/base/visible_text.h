// Names the user gave (paths, printers) as they are shown inside a message:
// a message stays on its one line, in the window and on standard error.
#pragma once

#include <string>
#include <string_view>

namespace mirelo {

// text (UTF-8) with every character that breaks a line or is not shown shown
// escaped: tab, line feed and carriage return as \t, \n and \r; the other
// C0 controls and DEL as \xNN; the C1 controls and the Unicode line and
// paragraph separators as \uNNNN; and each byte that is not part of valid
// UTF-8 as \xNN. Everything else, the backslash included (it separates
// folders on Windows), stays as it is.
std::string EscapeControls(std::string_view text);

}  // namespace mirelo
