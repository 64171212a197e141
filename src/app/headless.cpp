#include "app/headless.h"

#include <ostream>

#include "app/dump_layout.h"
#include "app/first_showing.h"
#include "app/ini_file.h"
#include "app/messages.h"
#include "app/startup.h"

namespace mirelo {

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

int RunHeadless(const CommandLine& line, HeadlessPlatform& platform, std::ostream& out,
                std::ostream& err) {
  std::filesystem::path iniPath =
      line.iniPath ? std::filesystem::path(*line.iniPath) : platform.AppDir() / kSettingsFileName;
  IniFile profile(iniPath);

  MainState state;
  CreateMainState(state, platform.AppDir(), line.dataPath, profile, platform.Locale(),
                  std::nullopt, std::nullopt);
  if (!DataFileExists(state.DataFilePath)) {
    err << ConsoleLine(msg::kDataFileMissing) << '\n';
    return kExitError;
  }
  const int screenDpi = line.screenDpi.value_or(platform.ScreenDpi());
  state.ScreenPpm = ScreenPixelsPerMm(screenDpi);
  state.PrinterPpm = PrinterPixelsPerMm(line.printerDpi, line.printerDpi);
  std::unique_ptr<TextMeasurer> preview = platform.CreatePreviewMeasurer(screenDpi);
  try {
    PrepareFirstShowing(state, *preview);
  } catch (const DataFileError& e) {
    err << e.what() << '\n';
    return kExitError;
  }

  out << DumpLayoutJson(state);
  out.flush();
  return out ? kExitOk : kExitError;
}

}  // namespace mirelo
