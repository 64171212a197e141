#include "app/window_program.h"

#include <system_error>

#include "app/headless.h"
#include "app/settings_location.h"
#include "base/messages.h"
#include "base/utf8_path.h"
#include "data/ini_file.h"
#include "data/settings.h"
#include "layout/measuring_resolution.h"
#include "ui/first_page_work.h"
#include "ui/startup.h"

namespace mirelo {
namespace {

// The settings file as the start read it: the create step's wait for a
// readable file answers what the first read found, so the file is read (and
// a held file waited for) once, and the first page made ahead and the
// window see the same settings.
class ProfileReadOnce : public ProfileStore {
 public:
  explicit ProfileReadOnce(ProfileStore& profile) : profile_(profile) {}
  bool WaitUntilReadable() override {
    if (!readable_) readable_ = profile_.WaitUntilReadable();
    return *readable_;
  }
  std::optional<std::u16string> ReadString(std::u16string_view section,
                                           std::u16string_view key) override {
    return profile_.ReadString(section, key);
  }
  bool WriteString(std::u16string_view section, std::u16string_view key,
                   std::u16string_view value) override {
    return profile_.WriteString(section, key, value);
  }
  std::string Where() const override { return profile_.Where(); }

 private:
  ProfileStore& profile_;
  std::optional<bool> readable_;
};

// Page 1 laid out and drawn on a worker while the window's controls are
// built (the two take about as long). Nothing when the create step will not
// show the window or the settings cannot be read: the show step then does
// all of it, as it would anyway.
std::unique_ptr<FirstPageWork> StartFirstPage(const std::filesystem::path& appDir,
                                              const std::string& dataPath, ProfileStore& profile,
                                              WindowPlatform& platform) {
  if (!platform.DrawsFirstPageAhead() || !DataFileExists(dataPath) || !profile.WaitUntilReadable())
    return nullptr;
  SystemServices& services = platform.Services();
  MainState state;
  // The default place of the window plays no part in the page.
  CreateMainState(state, appDir, dataPath, profile, services.Locale(), 0, 0);
  try {
    return std::make_unique<FirstPageWork>(
        std::move(state), services.ScreenDpi(),
        [&services] { return services.CreatePreviewMeasurer(kMeasuringDpi); },
        [&services](int width, int height, int dotsPerInch) {
          return services.CreatePreviewImage(width, height, dotsPerInch);
        });
  } catch (const std::system_error&) {
    return nullptr;  // no thread to be had: the show step does it all
  }
}

}  // namespace

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
  IniFile file(settings.path, services.Files(), settings.sharedFile);
  ProfileReadOnce profile(file);
  MainState state;
  MainWindow logic(state, services, profile, PathToUtf8(settings.path));
  logic.SetFirstPage(StartFirstPage(appDir, line.dataPath, profile, platform));
  std::unique_ptr<MainWindowView> view = platform.CreateMainWindow(logic);
  logic.SetView(*view);

  int status = kExitOk;
  if (logic.FormCreate(appDir, line.dataPath)) {
    SettingsDialog dialog(state, logic.Printer(), *view);
    // A child of the main window, made when it is first opened; it goes
    // before the window does.
    std::unique_ptr<SettingsDialogView> settingsView;
    logic.SetSettingsDialogMaker([&]() -> SettingsDialog& {
      settingsView = platform.CreateSettingsDialog(dialog, *view);
      dialog.SetView(*settingsView);
      return dialog;
    });
    platform.RunMessageLoop(*view);
    logic.SetSettingsDialogMaker(nullptr);
    logic.SetSettingsDialog(nullptr);
  } else {
    status = kExitError;  // the data file is missing: no window, nothing written
  }
  logic.FormDestroy();
  return status;
}

}  // namespace mirelo
