// The program's entry with its window: the single-instance test, the title,
// the main window's create step, the message loop and the end.
#pragma once

#include <filesystem>
#include <memory>
#include <string_view>

#include "app/command_line.h"
#include "platform/settings_places.h"
#include "ui/main_window.h"
#include "ui/main_window_view.h"
#include "ui/settings_dialog.h"
#include "ui/settings_dialog_view.h"

namespace mirelo {

// What an adapter supplies to run the window.
class WindowPlatform : public WindowServices {
 public:
  // Takes the per-user lock named after the application title; false when a
  // running instance holds it. Touches no window and no file of the user's.
  virtual bool TakeInstanceLock(std::string_view title) = 0;
  virtual void SetApplicationTitle(std::string_view utf8) = 0;
  // A message box before there is a main window.
  virtual void ShowMessage(std::string_view utf8) = 0;
  virtual std::filesystem::path AppDir() = 0;
  // Where the settings may be kept.
  virtual SettingsPlaces& Places() = 0;
  // The main window, hidden, reporting its events to logic.
  virtual std::unique_ptr<MainWindowView> CreateMainWindow(MainWindow& logic) = 0;
  // The print settings dialog, hidden, over the main window.
  virtual std::unique_ptr<SettingsDialogView> CreateSettingsDialog(
      SettingsDialog& logic, MainWindowView& mainWindow) = 0;
  // Shows the main window (its show step runs) and processes events until
  // the application ends.
  virtual void RunMessageLoop(MainWindowView& mainWindow) = 0;
  // A preview picture apart from any window, for the first page drawn on a
  // worker thread (it and CreatePreviewMeasurer are then called there).
  // Nothing where the platform draws the first page in the show step.
  virtual std::unique_ptr<PreviewImage> CreatePreviewImage(int width, int height,
                                                           int dotsPerInch) {
    (void)width, (void)height, (void)dotsPerInch;
    return nullptr;
  }
  // Whether CreatePreviewImage makes pictures.
  virtual bool DrawsFirstPageAhead() const { return false; }
};

// Returns the exit status.
int RunWindowProgram(const CommandLine& line, WindowPlatform& platform);

}  // namespace mirelo
