// The headless modes of the executable: the same start-up and composition
// as the window, with the result written to a stream or a file.
#pragma once

#include <iosfwd>
#include <string>
#include <string_view>

#include "app/command_line.h"
#include "platform/system_services.h"

namespace mirelo {

// The screen the headless modes measure and draw for unless --screen-dpi
// says otherwise: there is none, and both builds lay out alike.
inline constexpr int kHeadlessScreenDpi = 96;

inline constexpr int kExitOk = 0;
inline constexpr int kExitError = 2;

// Runs one headless mode; returns the exit status. Messages go to err, one
// line each.
int RunHeadless(const CommandLine& line, SystemServices& services, std::ostream& out,
                std::ostream& err);

// A message of the program as one console line ("\r\n" inside becomes a space).
std::string ConsoleLine(std::string_view message);

}  // namespace mirelo
