// The headless modes of the executable: the same start-up and composition
// as the window, with the result written to a stream or a file.
#pragma once

#include <filesystem>
#include <iosfwd>

#include "app/command_line.h"
#include "platform/locale_info.h"

namespace mirelo {

// What the adapter supplies to the headless modes.
struct HeadlessPlatform {
  const LocaleInfo& locale;
  std::filesystem::path appDir;  // the executable's folder
};

inline constexpr int kExitOk = 0;
inline constexpr int kExitError = 2;

// Runs one headless mode; returns the exit status. Messages go to err, one
// line each.
int RunHeadless(const CommandLine& line, HeadlessPlatform& platform, std::ostream& out,
                std::ostream& err);

// A message of the program as one console line ("\r\n" inside becomes a space).
std::string ConsoleLine(std::string_view message);

}  // namespace mirelo
