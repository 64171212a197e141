// What the program asks of the system, in the window and in the headless
// modes alike: the locale, the program's folder, the screen, text
// measurement, preview bitmaps, the printers, files and the places for the
// settings. Each adapter has one implementation; the window adds only its
// own controls and event loop (app/window_program.h).
#pragma once

#include <filesystem>
#include <memory>

#include "platform/file_store.h"
#include "platform/locale_info.h"
#include "platform/preview_image.h"
#include "platform/printers.h"
#include "platform/settings_places.h"
#include "platform/text_measurer.h"

namespace mirelo {

class SystemServices {
 public:
  virtual ~SystemServices() = default;
  virtual const LocaleInfo& Locale() = 0;
  // The folder of the executable: the data and the shared settings are
  // found from it.
  virtual std::filesystem::path AppDir() = 0;
  // The logical dots per inch of the screen the window stands on, in screen
  // pixels: the preview picture's resolution. Only the window asks.
  virtual int ScreenDpi() = 0;
  // Text measurement at dotsPerInch; the core asks for the measuring
  // resolution.
  virtual std::unique_ptr<TextMeasurer> CreatePreviewMeasurer(int dotsPerInch) = 0;
  // A blank white preview bitmap of the given size in dots. Throws
  // std::runtime_error when the system cannot make it.
  virtual std::unique_ptr<PreviewImage> CreatePreviewImage(int widthDots, int heightDots,
                                                           int dotsPerInch) = 0;
  virtual Printers& SystemPrinters() = 0;
  // Where the kept overview and the outputs written from bytes go.
  virtual FileStore& Files() = 0;
  // Where the settings may be kept.
  virtual SettingsPlaces& Places() = 0;
};

}  // namespace mirelo
