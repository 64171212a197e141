// The Windows adapter's supply for the window beside its system services:
// the single-instance test by a top-level window titled with the
// application title, that window itself, message boxes captioned with the
// title, the windows and the message loop.
#pragma once

#include "app/window_program.h"
#include "win32/scoped_handles.h"
#include "win32/win32_system_services.h"
#include "win32/windows_api.h"

namespace mirelo::win32 {

class Win32WindowPlatform : public WindowPlatform {
 public:
  explicit Win32WindowPlatform(Win32SystemServices& services);
  ~Win32WindowPlatform() override;
  Win32WindowPlatform(const Win32WindowPlatform&) = delete;
  Win32WindowPlatform& operator=(const Win32WindowPlatform&) = delete;

  SystemServices& Services() override { return services_; }
  // A running instance is a top-level window, shown or hidden, whose title
  // is exactly the application title.
  bool TakeInstanceLock(std::string_view title) override;
  // Makes the application's own hidden top-level window with the title, by
  // which a later start finds this one.
  void SetApplicationTitle(std::string_view utf8) override;
  void ShowMessage(std::string_view utf8) override;
  std::unique_ptr<MainWindowView> CreateMainWindow(MainWindow& logic) override;
  std::unique_ptr<SettingsDialogView> CreateSettingsDialog(SettingsDialog& logic,
                                                           MainWindowView& mainWindow) override;
  void RunMessageLoop(MainWindowView& mainWindow) override;
  bool DrawsFirstPageAhead() const override { return true; }

 private:
  Win32SystemServices& services_;
  HWND application_ = nullptr;
  // The claim of this session's one instance, held while the program runs.
  KernelHandle instance_;
};

}  // namespace mirelo::win32
