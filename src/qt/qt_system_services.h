// The Qt adapter (Qt 6, for Debian): the system services of the window and
// the headless modes. The window itself is qt_window_platform.h; the POSIX
// pieces below it are listed in posix/posix_platform.h.
//
// What it implements:
// - Measurement and drawing with Qt's fonts (QFontMetrics on a QImage of
//   the page, QPainter); the form's faces stand as Debian's IPA fonts
//   (qt_fonts.h).
// - The preview bitmap as a QImage, written as PNG by Qt.
// - The printers through Qt's print support (CUPS on Debian), A4 portrait,
//   with QPrintDialog for the set-up; the printer list is looked up on a
//   thread of its own while the window is made.
// - PDF files written by Qt itself, at any resolution and margin asked: the
//   program's own PDF printer where the system has no printer, and
//   --print-pdf as --printer-dpi and --printer-margin say.
// - The decimal separator of the user's locale, as QLocale gives it.
// - The screen's dots per inch in device pixels (logical dots per inch
//   times the device pixel ratio).
// - The headless modes on Qt's offscreen platform: no display is needed.
// - The window: Qt widgets built from the control tables, QFontDialog,
//   QFileDialog for the own PDF printer's file, message boxes; SIGTERM and
//   SIGINT close it as the session's end does.
//
// What it cannot:
// - Switch the input method to hiragana for the overview field: Qt has no
//   hint for it, so the input method stays on in the user's own mode.
// - Tell or set the window's place under Wayland, which places windows
//   itself: the saved position is neither read back nor judged there.
// - Follow a monitor of another scaling: the page is drawn at the primary
//   screen's dots per inch, where the Windows window redraws at each
//   monitor's.
#pragma once

#include <filesystem>
#include <memory>

#include "platform/system_services.h"
#include "posix/posix_platform.h"
#include "qt/qt_fonts.h"
#include "qt/qt_locale.h"
#include "qt/qt_preview_image.h"
#include "qt/qt_printers.h"
#include "qt/qt_text_measurer.h"

namespace mirelo::qt {

class QtSystemServices : public SystemServices {
 public:
  // Installs the form's font substitutions here, on the application's
  // thread: the table is the toolkit's own, unlocked, and read by every
  // font loaded afterwards, the worker's among them.
  explicit QtSystemServices(std::filesystem::path appDir) : appDir_(std::move(appDir)) {
    InstallFontSubstitutions();
  }

  const LocaleInfo& Locale() override { return locale_; }
  std::filesystem::path AppDir() override { return appDir_; }
  // The primary screen's dots per inch in device pixels.
  int ScreenDpi() override;
  // Fonts, text layout and painting on a QImage work on any thread; the
  // font database is shared under its own lock. So the first page may be
  // measured and drawn on a worker.
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
