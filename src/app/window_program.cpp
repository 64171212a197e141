#include "app/window_program.h"

#include "app/headless.h"
#include "app/settings_location.h"
#include "base/messages.h"
#include "data/ini_file.h"
#include "data/settings.h"
#include "base/utf8_path.h"

namespace mirelo {

int RunWindowProgram(const CommandLine& line, WindowPlatform& platform) {
  // Before the title is set, so that this start does not find itself.
  if (!platform.TakeInstanceLock(msg::kAppTitle)) {
    platform.ShowMessage(msg::kAlreadyRunning);
    return kExitError;
  }
  platform.SetApplicationTitle(msg::kAppTitle);

  SystemServices& services = platform.Services();
  const std::filesystem::path appDir = services.AppDir();
  const SettingsLocation settings = ChooseSettingsFile(line.iniPath, appDir, services.Places());
  IniFile profile(settings.path, services.Files(), settings.sharedFile);
  MainState state;
  MainWindow logic(state, services, profile, PathToUtf8(settings.path));
  std::unique_ptr<MainWindowView> view = platform.CreateMainWindow(logic);
  logic.SetView(*view);

  int status = kExitOk;
  if (logic.FormCreate(appDir, line.dataPath)) {
    SettingsDialog settings(state, logic.Printer(), *view);
    // A child of the main window: it goes before the window does.
    std::unique_ptr<SettingsDialogView> settingsView =
        platform.CreateSettingsDialog(settings, *view);
    settings.SetView(*settingsView);
    logic.SetSettingsDialog(&settings);
    platform.RunMessageLoop(*view);
    logic.SetSettingsDialog(nullptr);
  } else {
    status = kExitError;  // the data file is missing: no window, nothing written
  }
  logic.FormDestroy();
  return status;
}

}  // namespace mirelo
