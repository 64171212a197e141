// Entry of the executable: the headless modes, or the preview window.
#include <QApplication>
#include <QGuiApplication>
#include <QMessageBox>
#include <QString>

#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

#include "app/command_line.h"
#include "app/headless.h"
#include "base/messages.h"
#include "ui/startup.h"
#include "qt/qt_headless_platform.h"

namespace {

std::filesystem::path ExecutableDir(const char* argv0) {
  std::error_code ec;
  std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
  if (ec) exe = std::filesystem::absolute(argv0, ec);
  return exe.parent_path();
}

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
  if (type == QtFatalMsg) std::cerr << text.toStdString() << '\n';
}

int RunHeadlessMode(const mirelo::CommandLine& line, const char* argv0) {
  qInstallMessageHandler(QuietQtMessages);
  static char arg0[] = "mirelo", platformOpt[] = "-platform", offscreen[] = "offscreen";
  char* qtArgv[] = {arg0, platformOpt, offscreen, nullptr};
  int qtArgc = 3;
  QGuiApplication app(qtArgc, qtArgv);
  mirelo::qt::QtHeadlessPlatform platform(ExecutableDir(argv0));
  return mirelo::RunHeadless(line, platform, std::cout, std::cerr);
}

void ShowMessage(const char* message) {
  if (!HasDisplay()) {
    std::cerr << mirelo::ConsoleLine(message) << '\n';
    return;
  }
  static char arg0[] = "mirelo";
  char* qtArgv[] = {arg0, nullptr};
  int qtArgc = 1;
  QApplication app(qtArgc, qtArgv);
  QMessageBox box(QMessageBox::NoIcon, QString::fromUtf8(mirelo::msg::kAppTitle),
                  QString::fromUtf8(message), QMessageBox::Ok);
  box.exec();
}

}  // namespace

int main(int argc, char** argv) {
  // The arguments are read before any toolkit sees them, so the data path is
  // the first argument exactly as the host program gave it.
  std::vector<std::string> args(argv + 1, argv + argc);
  mirelo::CommandLineResult parsed = mirelo::ParseCommandLine(args);
  if (!parsed.error.empty()) {
    std::cerr << "mirelo: " << parsed.error << "（使い方は mirelo --help）\n";
    return mirelo::kExitError;
  }
  const mirelo::CommandLine& line = parsed.line;
  if (line.mode == mirelo::RunMode::Help) {
    std::cout << mirelo::UsageText();
    return mirelo::kExitOk;
  }
  if (line.mode != mirelo::RunMode::Window) return RunHeadlessMode(line, argv[0]);

  if (!mirelo::DataFileExists(line.dataPath)) {
    ShowMessage(mirelo::msg::kDataFileMissing);
    return mirelo::kExitError;
  }
  std::cerr << "mirelo: プレビュー画面はまだありません。--print-pdf か --preview-png を使ってください\n";
  return mirelo::kExitError;
}
