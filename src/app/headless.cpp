#include "app/headless.h"

#include <algorithm>
#include <fstream>
#include <ostream>
#include <stdexcept>

#include "app/dump_layout.h"
#include "app/settings_location.h"
#include "base/format_message.h"
#include "base/messages.h"
#include "base/text_encoding.h"
#include "base/utf8_path.h"
#include "data/ini_file.h"
#include "data/overview_file.h"
#include "layout/kept_widths_measurer.h"
#include "layout/measuring_resolution.h"
#include "render/device_mapping.h"
#include "render/digit_glyphs.h"
#include "render/recording_canvas.h"
#include "ui/first_showing.h"
#include "ui/page_output.h"
#include "ui/startup.h"

namespace mirelo {
namespace {

void WritePreviewPng(const CommandLine& line, const MainState& state, SystemServices& services,
                     TextMeasurer& preview, int screenDpi) {
  auto image = services.CreatePreviewImage(RoundHalfEven(210 * state.ScreenPpm.x),
                                           RoundHalfEven(297 * state.ScreenPpm.y), screenDpi);
  RenderPage(u'D', line.page, state, image->ImageCanvas(), preview);
  try {
    image->SavePng(PathFromUtf8(line.outputPath));
  } catch (const std::runtime_error&) {
    throw std::runtime_error(FormatMessage(msg::kCannotWrite, line.outputPath));
  }
}

void WriteDrawLog(const CommandLine& line, const MainState& state, TextMeasurer& preview,
                  int screenDpi, FileStore& files) {
  const bool printer = line.target != u'D';
  DeviceFacts facts = printer ? DeviceFacts{line.printerDpi, line.printerDpi, line.printerMarginX,
                                            line.printerMarginY}
                              : DeviceFacts{screenDpi, screenDpi, 0, 0};
  RecordingCanvas canvas(facts);
  RenderPage(line.target, line.page, state, canvas, preview);
  std::string text;
  for (const std::string& l : canvas.Lines()) text += l + "\n";
  if (!files.ReplaceFile(PathFromUtf8(line.outputPath), text))
    throw std::runtime_error(FormatMessage(msg::kCannotWrite, line.outputPath));
}

}  // namespace

std::string ConsoleLine(std::string_view message) {
  std::string out;
  for (std::size_t i = 0; i < message.size(); ++i) {
    if (message[i] == '\r' && i + 1 < message.size() && message[i + 1] == '\n') {
      out += ' ';
      ++i;
    } else if (message[i] == '\r' || message[i] == '\n') {
      out += ' ';
    } else {
      out += message[i];
    }
  }
  return out;
}

namespace {

// --print: every page on the named printer, or the default one, in one job.
void PrintOnSystemPrinter(const CommandLine& line, MainState& state, Printers& printers,
                          TextMeasurer& preview) {
  const std::vector<std::u16string> names = printers.PrinterNames();
  if (names.empty()) throw std::runtime_error(msg::kNoPrinterAtAll);
  std::u16string name;
  if (line.printerName) {
    name = FromUtf8(*line.printerName);
    if (std::find(names.begin(), names.end(), name) == names.end())
      throw std::runtime_error(FormatMessage(msg::kPrinterNotFound, *line.printerName));
  } else {
    name = printers.DefaultPrinterName();
    if (name.empty()) throw std::runtime_error(msg::kNoDefaultPrinter);
  }
  // Set up for the form (A4, portrait) as the window's printer is.
  if (!printers.SelectPrinter(name))
    throw std::runtime_error(FormatMessage(msg::kPrintStartFailed, ToUtf8(name)));
  state.PrinterPpm = PrinterPixelsPerMm(printers.LogPixelsX(), printers.LogPixelsY());
  const std::unique_ptr<PrintJob> job = printers.CreateJob();
  PrintAllPages(state, *job, preview);
}

}  // namespace

int RunHeadless(const CommandLine& line, SystemServices& services, std::ostream& out,
                std::ostream& err) {
  // The file the window would read: the headless outputs are those of the
  // user's own settings. Nothing here writes it.
  const SettingsLocation settings =
      ChooseSettingsFile(line.iniPath, services.AppDir(), services.Places());
  IniFile profile(settings.path, services.Files(), settings.sharedFile);
  // Pages printed without the user's calibration would be wrong on paper:
  // a settings file that cannot be read ends the run.
  if (!profile.WaitUntilReadable()) {
    err << FormatMessage(msg::kSettingsUnreadable, profile.Where()) << '\n';
    return kExitError;
  }

  // An output over the data file, the settings file or the overview kept
  // beside the data file would destroy what the user owns; the headless
  // modes only ever write their own output. The same file is found under
  // every name it has (case, "..", links), as the system sees it.
  if (!line.outputPath.empty()) {
    std::error_code ec;
    for (const std::filesystem::path& input :
         {PathFromUtf8(line.dataPath), settings.path, settings.sharedFile.value_or(settings.path),
          OverviewFilePath(line.dataPath)}) {
      if (std::filesystem::equivalent(PathFromUtf8(line.outputPath), input, ec)) {
        err << FormatMessage(msg::kOutputIsInput, line.outputPath) << '\n';
        return kExitError;
      }
    }
  }

  MainState state;
  CreateMainState(state, services.AppDir(), line.dataPath, profile, services.Locale(), std::nullopt,
                  std::nullopt);
  if (!DataFileExists(state.DataFilePath)) {
    err << ConsoleLine(msg::kDataFileMissing) << '\n';
    return kExitError;
  }
  const int screenDpi = line.screenDpi.value_or(kHeadlessScreenDpi);
  state.ScreenPpm = ScreenPixelsPerMm(screenDpi);
  state.PrinterPpm = PrinterPixelsPerMm(line.printerDpi, line.printerDpi);
  // The screen's resolution sizes the preview picture and the draw log's
  // screen; the text is measured at the form's own.
  std::unique_ptr<TextMeasurer> preview =
      std::make_unique<KeptWidthsMeasurer>(services.CreatePreviewMeasurer(kMeasuringDpi));
  try {
    PrepareFirstShowing(state, *preview);
  } catch (const std::runtime_error& e) {
    // The data file, or a kept overview file that cannot be read.
    err << e.what() << '\n';
    return kExitError;
  }

  if (!IsTenAsciiDigits(state.Survey.InsuredPersonNumber))
    err << FormatMessage(msg::kInsuredNumberNotTenDigits, state.DataFilePath) << '\n';

  try {
    switch (line.mode) {
      case RunMode::PrintPdf: {
        OpenedPrinter pdf =
            services.SystemPrinters().CreatePdfJob(PathFromUtf8(line.outputPath), line.printerDpi,
                                                   line.printerMarginX, line.printerMarginY);
        state.PrinterPpm = PrinterPixelsPerMm(pdf.logPixelsX, pdf.logPixelsY);
        PrintAllPages(state, *pdf.job, *preview);
        return kExitOk;
      }
      case RunMode::Print:
        PrintOnSystemPrinter(line, state, services.SystemPrinters(), *preview);
        return kExitOk;
      case RunMode::PreviewPng:
        WritePreviewPng(line, state, services, *preview, screenDpi);
        return kExitOk;
      case RunMode::DrawLog:
        WriteDrawLog(line, state, *preview, screenDpi, services.Files());
        return kExitOk;
      default:
        break;
    }
  } catch (const std::runtime_error& e) {
    err << e.what() << '\n';
    return kExitError;
  }

  out << DumpLayoutJson(state);
  out.flush();
  if (out) return kExitOk;
  err << FormatMessage(msg::kCannotWrite, msg::kStandardOutput) << '\n';
  return kExitError;
}

}  // namespace mirelo
