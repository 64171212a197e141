// The Qt adapter's supply for the headless modes.
#pragma once

#include <filesystem>

#include "app/headless.h"
#include "posix/posix_file_store.h"
#include "posix/posix_settings_places.h"
#include "qt/qt_locale.h"

namespace mirelo::qt {

class QtHeadlessPlatform : public HeadlessPlatform {
 public:
  explicit QtHeadlessPlatform(std::filesystem::path appDir) : appDir_(std::move(appDir)) {}

  const LocaleInfo& Locale() override { return locale_; }
  std::filesystem::path AppDir() override { return appDir_; }
  int ScreenDpi() override;
  std::unique_ptr<TextMeasurer> CreatePreviewMeasurer(int dpi) override;
  std::unique_ptr<PreviewImage> CreatePreviewImage(int widthDots, int heightDots,
                                                   int dpi) override;
  OpenedPrinter CreatePdfJob(const std::filesystem::path& path, int dpi, int marginX,
                                         int marginY) override;
  FileStore& Files() override { return files_; }
  SettingsPlaces& Places() override { return places_; }
  std::vector<std::u16string> PrinterNames() override;
  std::optional<std::u16string> DefaultPrinterName() override;
  OpenedPrinter OpenPrinter(std::u16string_view name) override;

 private:
  QtLocaleInfo locale_;
  posix::PosixFileStore files_;
  posix::PosixSettingsPlaces places_;
  std::filesystem::path appDir_;
};

}  // namespace mirelo::qt
