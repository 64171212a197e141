// Entry of the executable: the headless modes, or the preview window.
#include <QApplication>
#include <QGuiApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QString>
#include <QTranslator>

#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "app/command_line.h"
#include "app/headless.h"
#include "app/window_program.h"
#include "base/messages.h"
#include "posix/executable_dir.h"
#include "qt/qt_system_services.h"
#include "qt/qt_text.h"
#include "qt/qt_window_platform.h"
#include "ui/startup.h"

namespace {

bool HasDisplay() {
  const char* x = std::getenv("DISPLAY");
  const char* w = std::getenv("WAYLAND_DISPLAY");
  return (x && *x) || (w && *w);
}

// The headless modes run on Qt's offscreen platform: fonts and painting
// work, no display server is needed, and no environment variable is read.
// Host programs read standard error line by line; Qt's own chatter about
// the environment has no place there.
void QuietQtMessages(QtMsgType type, const QMessageLogContext&, const QString& text) {
  if (type == QtFatalMsg) std::cerr << mirelo::qt::Utf8FromQString(text) << '\n';
}

int RunHeadlessMode(const mirelo::CommandLine& line, const char* argv0) {
  // A reader that has gone makes a write fail, which is reported, instead of
  // ending the program silently.
  std::signal(SIGPIPE, SIG_IGN);
  qInstallMessageHandler(QuietQtMessages);
  static char arg0[] = "mirelo", platformOpt[] = "-platform", offscreen[] = "offscreen";
  char* qtArgv[] = {arg0, platformOpt, offscreen, nullptr};
  int qtArgc = 3;
  QGuiApplication app(qtArgc, qtArgv);
  mirelo::qt::QtSystemServices services(mirelo::posix::ExecutableDir(argv0));
  return mirelo::RunHeadless(line, services, std::cout, std::cerr);
}

int RunWindowMode(const mirelo::CommandLine& line, const char* argv0) {
  // Without a display there is nothing to show a message box on: say on
  // standard error what the box would have said.
  if (!HasDisplay()) {
    const char* message = mirelo::DataFileExists(line.dataPath) ? mirelo::msg::kNoDisplay
                                                                : mirelo::msg::kDataFileMissing;
    std::cerr << mirelo::ConsoleLine(message) << '\n';
    return mirelo::kExitError;
  }
  // Qt sees none of the arguments: the data path is the host program's.
  static char arg0[] = "mirelo";
  char* qtArgv[] = {arg0, nullptr};
  int qtArgc = 1;
  QApplication app(qtArgc, qtArgv);
  // The desktop entry the Debian package installs: its name and icon for
  // the window in the task bar.
  QGuiApplication::setDesktopFileName(QStringLiteral("mirelo"));
  // Qt's own dialogs and buttons in Japanese, the language of the form.
  QTranslator qtTexts;
  if (qtTexts.load(QLocale(QLocale::Japanese), QStringLiteral("qtbase"), QStringLiteral("_"),
                   QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    QApplication::installTranslator(&qtTexts);
  mirelo::qt::QtSystemServices services(mirelo::posix::ExecutableDir(argv0));
  mirelo::qt::QtWindowPlatform platform(services);
  return mirelo::RunWindowProgram(line, platform);
}

}  // namespace

int main(int argc, char** argv) {
  // The arguments are read before any toolkit sees them, so the data path is
  // the first argument exactly as the host program gave it.
  std::vector<std::string> args(argv + 1, argv + argc);
  mirelo::CommandLineResult parsed = mirelo::ParseCommandLine(args);
  if (!parsed.error.empty()) {
    std::cerr << mirelo::CommandLineErrorLine(parsed.error) << '\n';
    return mirelo::kExitError;
  }
  const mirelo::CommandLine& line = parsed.line;
  if (const std::optional<std::string> text = mirelo::InformationText(line)) {
    std::cout << *text;
    return mirelo::kExitOk;
  }
  if (line.mode != mirelo::RunMode::Window) return RunHeadlessMode(line, argv[0]);
  return RunWindowMode(line, argv[0]);
}
