// The Qt adapter's system services, for the window and the headless modes.
#pragma once

#include <filesystem>
#include <memory>

#include "platform/system_services.h"
#include "posix/posix_file_store.h"
#include "posix/posix_settings_places.h"
#include "qt/qt_locale.h"
#include "qt/qt_preview_image.h"
#include "qt/qt_printers.h"
#include "qt/qt_text_measurer.h"

namespace mirelo::qt {

class QtSystemServices : public SystemServices {
 public:
  explicit QtSystemServices(std::filesystem::path appDir) : appDir_(std::move(appDir)) {}

  const LocaleInfo& Locale() override { return locale_; }
  std::filesystem::path AppDir() override { return appDir_; }
  // The primary screen's dots per inch in device pixels.
  int ScreenDpi() override;
  std::unique_ptr<TextMeasurer> CreatePreviewMeasurer(int dotsPerInch) override {
    return std::make_unique<QtTextMeasurer>(dotsPerInch);
  }
  std::unique_ptr<PreviewImage> CreatePreviewImage(int widthDots, int heightDots,
                                                   int dotsPerInch) override {
    return std::make_unique<QtPreviewImage>(widthDots, heightDots, dotsPerInch);
  }
  QtPrinters& SystemPrinters() override { return printers_; }
  FileStore& Files() override { return files_; }
  SettingsPlaces& Places() override { return places_; }

 private:
  std::filesystem::path appDir_;
  QtLocaleInfo locale_;
  QtPrinters printers_;
  posix::PosixFileStore files_;
  posix::PosixSettingsPlaces places_;
};

}  // namespace mirelo::qt
