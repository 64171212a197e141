// Running programs as a host program or a script does on a POSIX system.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace mirelo::test {

struct RunResult {
  int status = -1;  // exit status, or -signal
  std::string out, err;
};

// Runs command[0], looked up on PATH where it names no folder, the way a host
// program or a script would: no display, a locale whose decimal separator is
// ".", nothing on standard input, and standard output and error captured
// apart. workDir is the folder it runs in.
RunResult RunTool(const std::vector<std::string>& command, const std::filesystem::path& workDir);

// RunTool on the built executable with these arguments.
RunResult RunProgram(const std::vector<std::string>& args, const std::filesystem::path& workDir);

}  // namespace mirelo::test
