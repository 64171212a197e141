// Entry of mirelo.exe: the headless modes, or the preview window.
#include <fcntl.h>
#include <io.h>

#include <cstdio>
#include <filesystem>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "app/command_line.h"
#include "app/headless.h"
#include "app/window_program.h"
#include "base/messages.h"
#include "win32/console.h"
#include "win32/wide_text.h"
#include "win32/win32_system_services.h"
#include "win32/win32_window_platform.h"
#include "win32/windows_api.h"

namespace {

// The arguments as the host program gave them, in UTF-8: the narrow argv
// of the C run-time has them in the ANSI code page, which cannot hold every
// file name.
std::vector<std::string> Arguments() {
  int count = 0;
  wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &count);
  std::vector<std::string> args;
  for (int i = 1; wide && i < count; ++i) args.push_back(mirelo::win32::Utf8FromWide(wide[i]));
  if (wide) LocalFree(wide);
  return args;
}

std::filesystem::path ExecutableDir() {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD n = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (n == 0) return std::filesystem::current_path();
    if (n < path.size()) {
      path.resize(n);
      break;
    }
    path.resize(path.size() * 2);
  }
  return std::filesystem::path(path).parent_path();
}

}  // namespace

int main() {
  const std::vector<std::string> args = Arguments();
  mirelo::CommandLineResult parsed = mirelo::ParseCommandLine(args);
  const mirelo::CommandLine& line = parsed.line;
  mirelo::win32::ConsoleOutput console;
  // The same bytes as on Debian: no CR before each LF of the dump.
  _setmode(_fileno(stdout), _O_BINARY);
  _setmode(_fileno(stderr), _O_BINARY);
  if (!parsed.error.empty()) {
    std::cerr << mirelo::CommandLineErrorLine(parsed.error) << '\n';
    return mirelo::kExitError;
  }
  if (const std::optional<std::string> text = mirelo::InformationText(line)) {
    std::cout << *text;
    return mirelo::kExitOk;
  }
  mirelo::win32::Win32SystemServices services(ExecutableDir());
  if (line.mode != mirelo::RunMode::Window)
    return mirelo::RunHeadless(line, services, std::cout, std::cerr);
  mirelo::win32::Win32WindowPlatform platform(services);
  return mirelo::RunWindowProgram(line, platform);
}
