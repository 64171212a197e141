#include "qt/qt_headless_platform.h"

#include "qt/qt_text_measurer.h"

namespace mirelo::qt {

// The headless modes run on the offscreen platform, which has no real
// screen: measure as a 96 dots-per-inch screen does unless told otherwise.
int QtHeadlessPlatform::ScreenDpi() { return 96; }

std::unique_ptr<TextMeasurer> QtHeadlessPlatform::CreatePreviewMeasurer(int dpi) {
  return std::make_unique<QtTextMeasurer>(dpi);
}

}  // namespace mirelo::qt
