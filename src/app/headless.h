// The headless modes of the executable: the same start-up and composition
// as the window, with the result written to a stream or a file.
#pragma once

#include <filesystem>
#include <iosfwd>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/command_line.h"
#include "platform/file_store.h"
#include "platform/locale_info.h"
#include "platform/preview_image.h"
#include "platform/print_job.h"
#include "platform/settings_places.h"
#include "platform/text_measurer.h"

namespace mirelo {

// A system printer opened for one job, with its resolution.
struct OpenedPrinter {
  std::unique_ptr<PrintJob> job;  // not yet begun
  int logPixelsX = 0, logPixelsY = 0;
};

// What an adapter supplies to the headless modes.
class HeadlessPlatform {
 public:
  virtual ~HeadlessPlatform() = default;
  virtual const LocaleInfo& Locale() = 0;
  virtual std::filesystem::path AppDir() = 0;
  // The screen's logical dots per inch, or 96 without a screen.
  virtual int ScreenDpi() = 0;
  // Text measurement at dpi; the core asks for the measuring resolution.
  virtual std::unique_ptr<TextMeasurer> CreatePreviewMeasurer(int dpi) = 0;
  // A blank white preview bitmap of the given size in dots.
  virtual std::unique_ptr<PreviewImage> CreatePreviewImage(int widthDots, int heightDots,
                                                           int dpi) = 0;
  // A PDF file of A4 pages standing in for a printer of dpi dots per inch
  // whose printable area starts marginX, marginY dots into the paper, with
  // the resolution it has: a system's PDF printer may keep its own.
  virtual OpenedPrinter CreatePdfJob(const std::filesystem::path& path, int dpi, int marginX,
                                     int marginY) = 0;
  // Where the outputs written from bytes (the draw log) go.
  virtual FileStore& Files() = 0;
  // Where the settings may be kept.
  virtual SettingsPlaces& Places() = 0;
  // The system's printers, and the name of the default one where there is
  // one (--print).
  virtual std::vector<std::u16string> PrinterNames() = 0;
  virtual std::optional<std::u16string> DefaultPrinterName() = 0;
  // The named printer, set up for the form (A4, portrait). Throws
  // std::runtime_error with the user's message when it cannot be opened.
  virtual OpenedPrinter OpenPrinter(std::u16string_view name) = 0;
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
