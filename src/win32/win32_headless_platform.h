// The Windows adapter's supply for the headless modes.
#pragma once

#include <filesystem>

#include "app/headless.h"
#include "win32/win32_file_store.h"
#include "win32/win32_locale.h"
#include "win32/win32_settings_places.h"

namespace mirelo::win32 {




class Win32HeadlessPlatform : public HeadlessPlatform {
 public:
  explicit Win32HeadlessPlatform(std::filesystem::path appDir) : appDir_(std::move(appDir)) {}

  const LocaleInfo& Locale() override { return locale_; }
  std::filesystem::path AppDir() override { return appDir_; }
  // The screen's dots per inch, as the preview would have it.
  int ScreenDpi() override;
  std::unique_ptr<TextMeasurer> CreatePreviewMeasurer(int dpi) override;
  std::unique_ptr<PreviewImage> CreatePreviewImage(int widthDots, int heightDots,
                                                   int dpi) override;
  // Through the system's PDF printer, at its own resolution and margins:
  // dpi and the margins are the Debian build's stand-in printer's, which a
  // real printer does not take.
  OpenedPrinter CreatePdfJob(const std::filesystem::path& path, int dpi, int marginX,
                                         int marginY) override;
  FileStore& Files() override { return files_; }
  SettingsPlaces& Places() override { return places_; }
  std::vector<std::u16string> PrinterNames() override;
  std::optional<std::u16string> DefaultPrinterName() override;
  OpenedPrinter OpenPrinter(std::u16string_view name) override;

 private:
  Win32LocaleInfo locale_;
  Win32FileStore files_;
  Win32SettingsPlaces places_;
  std::filesystem::path appDir_;
};

}  // namespace mirelo::win32
