// The Qt adapter's supply for the window: the lock, the title, the message
// boxes, the screen, the preview measuring and the printers.
#pragma once

#include <QString>

#include <filesystem>

#include "app/window_program.h"
#include "posix/instance_lock.h"
#include "posix/posix_file_store.h"
#include "posix/posix_settings_places.h"
#include "qt/qt_locale.h"
#include "qt/qt_printers.h"

namespace mirelo::qt {

class QtWindowPlatform : public WindowPlatform {
 public:
  explicit QtWindowPlatform(std::filesystem::path appDir) : appDir_(std::move(appDir)) {
    printers_.StartLookUp();
  }

  // WindowServices
  const LocaleInfo& Locale() override { return locale_; }
  int ScreenDpi() override;
  std::unique_ptr<TextMeasurer> CreatePreviewMeasurer(int dotsPerInch) override;
  Printers& SystemPrinters() override { return printers_; }
  FileStore& Files() override { return files_; }
  SettingsPlaces& Places() override { return places_; }

  // WindowPlatform
  bool TakeInstanceLock(std::string_view title) override { return lock_.TryTake(title); }
  void SetApplicationTitle(std::string_view utf8) override;
  void ShowMessage(std::string_view utf8) override;
  std::filesystem::path AppDir() override { return appDir_; }
  std::unique_ptr<MainWindowView> CreateMainWindow(MainWindow& logic) override;
  std::unique_ptr<SettingsDialogView> CreateSettingsDialog(SettingsDialog& logic,
                                                           MainWindowView& mainWindow) override;
  void RunMessageLoop(MainWindowView& mainWindow) override;
  std::unique_ptr<PreviewImage> CreatePreviewImage(int width, int height,
                                                   int dotsPerInch) override;
  bool DrawsFirstPageAhead() const override { return true; }

 private:
  std::filesystem::path appDir_;
  posix::InstanceLock lock_;
  QtLocaleInfo locale_;
  QtPrinters printers_;
  posix::PosixFileStore files_;
  posix::PosixSettingsPlaces places_;
  QString title_;
};

class QtMainWindow;

// Ends the window program the way a close does when the session asks it to
// (SIGTERM, SIGINT): open dialogs and message boxes are closed first, then
// the main window, whose close step saves without asking anything.
void CloseOnTerminationSignals(QtMainWindow& mainWindow);

}  // namespace mirelo::qt
