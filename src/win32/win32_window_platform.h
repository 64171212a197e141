// The Windows adapter's supply for the window: the single-instance test by
// a top-level window titled with the application title, that window itself,
// message boxes captioned with the title, the screen, the preview measuring,
// the printers and the file store.
#pragma once

#include <filesystem>

#include "app/window_program.h"
#include "win32/win32_file_store.h"
#include "win32/win32_locale.h"
#include "win32/win32_settings_places.h"
#include "win32/win32_window_printers.h"
#include "win32/windows_api.h"

namespace mirelo::win32 {

class Win32WindowPlatform : public WindowPlatform {
 public:
  explicit Win32WindowPlatform(std::filesystem::path appDir);
  ~Win32WindowPlatform() override;
  Win32WindowPlatform(const Win32WindowPlatform&) = delete;
  Win32WindowPlatform& operator=(const Win32WindowPlatform&) = delete;

  // WindowServices
  const LocaleInfo& Locale() override { return locale_; }
  int ScreenDpi() override;
  std::unique_ptr<TextMeasurer> CreatePreviewMeasurer(int dotsPerInch) override;
  Printers& SystemPrinters() override { return printers_; }
  FileStore& Files() override { return files_; }
  SettingsPlaces& Places() override { return places_; }

  // WindowPlatform
  // A running instance is a top-level window, shown or hidden, whose title
  // is exactly the application title.
  bool TakeInstanceLock(std::string_view title) override;
  // Makes the application's own hidden top-level window with the title, by
  // which a later start finds this one.
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
  Win32LocaleInfo locale_;
  Win32WindowPrinters printers_;
  Win32FileStore files_;
  Win32SettingsPlaces places_;
  HWND application_ = nullptr;
  HWND mainWindow_ = nullptr;  // the window made, for its monitor's dpi
  // The claim of this session's one instance, held while the program runs.
  HANDLE instance_ = nullptr;
};

}  // namespace mirelo::win32
