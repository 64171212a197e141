// The Windows adapter's system services, for the window and the headless
// modes.
#pragma once

#include <filesystem>
#include <memory>

#include "platform/system_services.h"
#include "win32/dib_preview_image.h"
#include "win32/gdi_text_measurer.h"
#include "win32/win32_file_store.h"
#include "win32/win32_locale.h"
#include "win32/win32_printers.h"
#include "win32/win32_settings_places.h"
#include "win32/windows_api.h"

namespace mirelo::win32 {

class Win32SystemServices : public SystemServices {
 public:
  explicit Win32SystemServices(std::filesystem::path appDir) : appDir_(std::move(appDir)) {}

  const LocaleInfo& Locale() override { return locale_; }
  std::filesystem::path AppDir() override { return appDir_; }
  // The dots per inch of the monitor the window stands on, once there is
  // one (SetScreenWindow); the system's before.
  int ScreenDpi() override;
  std::unique_ptr<TextMeasurer> CreatePreviewMeasurer(int dotsPerInch) override {
    return std::make_unique<GdiTextMeasurer>(dotsPerInch);
  }
  std::unique_ptr<PreviewImage> CreatePreviewImage(int widthDots, int heightDots,
                                                   int dotsPerInch) override {
    return std::make_unique<DibPreviewImage>(widthDots, heightDots, dotsPerInch);
  }
  Win32Printers& SystemPrinters() override { return printers_; }
  FileStore& Files() override { return files_; }
  SettingsPlaces& Places() override { return places_; }

  // The window whose monitor ScreenDpi answers for.
  void SetScreenWindow(HWND window) { screenWindow_ = window; }

 private:
  std::filesystem::path appDir_;
  Win32LocaleInfo locale_;
  Win32Printers printers_;
  Win32FileStore files_;
  Win32SettingsPlaces places_;
  HWND screenWindow_ = nullptr;
};

}  // namespace mirelo::win32
