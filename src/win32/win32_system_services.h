// The Windows adapter (Win32, cross-built with mingw-w64): the system
// services of the window and the headless modes. The window itself is
// win32_window_platform.h.
//
// What it implements:
// - Measurement and drawing through GDI: fonts made at the device's dots per
//   inch, GetTextExtentExPointW for a line's prefixes, ExtTextOutW; each
//   glyph has a whole advance, where Qt sums fractional ones.
// - The preview bitmap as a DIB section, written as PNG through WIC.
// - The printers through the print spooler and GDI device contexts, A4
//   portrait, with PrintDlgW in set-up mode; the DEVMODE chosen there goes
//   with every job.
// - The decimal separator of the user's locale (GetLocaleInfoEx).
// - The dots per inch of the monitor the window stands on; the window is
//   drawn again at a monitor's own when it moves there (WM_DPICHANGED).
// - Files replaced whole by one rename by handle (MoveFileExW where the
//   system lacks it), the user's copy of the settings in %LOCALAPPDATA%.
// - The single instance by a mutex named after the title and a hidden
//   window of that title; the input method in hiragana while the overview
//   field has the focus (IMM); ChooseFontW, GetSaveFileNameW, message boxes;
//   the end of the session saves as a close does.
// - The headless modes' output on the console the program was started
//   from, or where it was redirected to.
//
// What it cannot, or does not:
// - Write a PDF file without a printer: only "Microsoft Print to PDF" makes
//   them, so a system without any printer gets no PDF printer of the
//   program's own, and --print-pdf needs that printer.
// - Draw --print-pdf at --printer-dpi and --printer-margin: the PDF printer
//   keeps its own resolution and printable area, and the pages are mapped
//   to those.
// - Use the system's profile functions, code pages or calendars: the
//   settings file, code page 932 and the eras are the core's own, so that
//   both builds read and write the same bytes.
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
  // A memory device context and a DIB section, like fonts, may be made on
  // one thread and used on another, one at a time: the first page may be
  // measured and drawn on a worker.
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
