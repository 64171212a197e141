// The program's entry with its window: the single-instance test, the title,
// the main window's create step, the message loop and the end.
#pragma once

#include <memory>
#include <string_view>

#include "app/command_line.h"
#include "platform/system_services.h"
#include "ui/main_window.h"
#include "ui/main_window_view.h"
#include "ui/settings_dialog.h"
#include "ui/settings_dialog_view.h"

namespace mirelo {

// What an adapter supplies to run the window, beside its system services.
class WindowPlatform {
 public:
  virtual ~WindowPlatform() = default;
  virtual SystemServices& Services() = 0;
  // Takes the per-user lock named after the application title; false when a
  // running instance holds it. Touches no window and no file of the user's.
  virtual bool TakeInstanceLock(std::string_view title) = 0;
  virtual void SetApplicationTitle(std::string_view utf8) = 0;
  // A message box before there is a main window.
  virtual void ShowMessage(std::string_view utf8) = 0;
  // The main window, hidden, reporting its events to logic.
  virtual std::unique_ptr<MainWindowView> CreateMainWindow(MainWindow& logic) = 0;
  // The print settings dialog, hidden, over the main window.
  virtual std::unique_ptr<SettingsDialogView> CreateSettingsDialog(SettingsDialog& logic,
                                                                   MainWindowView& mainWindow) = 0;
  // Shows the main window (its show step runs) and processes events until
  // the application ends.
  virtual void RunMessageLoop(MainWindowView& mainWindow) = 0;
  // Whether page 1 is laid out and drawn on a worker thread while the
  // controls are built: the services' CreatePreviewMeasurer and
  // CreatePreviewImage are then called on that thread, and what they make
  // is used on the window's thread once the worker has ended.
  virtual bool DrawsFirstPageAhead() const { return false; }
};

// Returns the exit status.
int RunWindowProgram(const CommandLine& line, WindowPlatform& platform);

}  // namespace mirelo
