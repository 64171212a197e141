// The Qt adapter's supply for the window beside its system services: the
// lock, the title, the message boxes, the windows and the event loop.
#pragma once

#include <QString>

#include "app/window_program.h"
#include "posix/instance_lock.h"
#include "qt/qt_system_services.h"

namespace mirelo::qt {

class QtWindowPlatform : public WindowPlatform {
 public:
  // Starts looking up the printers, so that the answer is ready when the
  // show step asks.
  explicit QtWindowPlatform(QtSystemServices& services) : services_(services) {
    services_.SystemPrinters().StartLookUp();
  }

  SystemServices& Services() override { return services_; }
  bool TakeInstanceLock(std::string_view title) override { return lock_.TryTake(title); }
  void SetApplicationTitle(std::string_view utf8) override;
  void ShowMessage(std::string_view utf8) override;
  std::unique_ptr<MainWindowView> CreateMainWindow(MainWindow& logic) override;
  std::unique_ptr<SettingsDialogView> CreateSettingsDialog(SettingsDialog& logic,
                                                           MainWindowView& mainWindow) override;
  void RunMessageLoop(MainWindowView& mainWindow) override;
  bool DrawsFirstPageAhead() const override { return true; }

 private:
  QtSystemServices& services_;
  posix::InstanceLock lock_;
  QString title_;
};

class QtMainWindow;

// Ends the window program the way a close does when the session asks it to
// (SIGTERM, SIGINT): open dialogs and message boxes are closed first, then
// the main window, whose close step saves without asking anything.
void CloseOnTerminationSignals(QtMainWindow& mainWindow);

}  // namespace mirelo::qt
