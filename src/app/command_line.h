// The program's command line: `mirelo DATAFILE` for the preview window, and
// the headless modes kept for host programs, scripts and tests.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace mirelo {

enum class RunMode { Window, Help, Version, DumpLayout, PrintPdf, PreviewPng, DrawLog, Print };

// A screen or printer beyond these makes pictures no machine can hold.
inline constexpr int kMaxScreenDpi = 600;
inline constexpr int kMaxPrinterDpi = 4800;

struct CommandLine {
  RunMode mode = RunMode::Window;
  std::string dataPath;  // the data file's path exactly as given; empty when none
  std::optional<std::string> iniPath;
  std::optional<int> screenDpi;
  std::string outputPath;                  // --print-pdf, --preview-png, --draw-log
  std::optional<std::string> printerName;  // --print: the printer, else the default one
  int page = 1;
  char16_t target = u'D';
  int printerDpi = 600;
  int printerMarginX = 0, printerMarginY = 0;
};

struct CommandLineResult {
  CommandLine line;
  std::string error;  // set when the arguments cannot be used
};

// args excludes the program name. Options count only before the data path;
// "--" ends them. With no options at all the first argument is the data path
// unchanged, whatever it looks like.
CommandLineResult ParseCommandLine(const std::vector<std::string>& args);

std::string UsageText();

// What a mode that only informs (--help, --version) writes to standard
// output; nothing for the modes that work on a data file.
std::optional<std::string> InformationText(const CommandLine& line);

// The line a command-line error is told in, with the way to the usage.
std::string CommandLineErrorLine(const std::string& error);

}  // namespace mirelo
