#include "qt/qt_headless_platform.h"

#include "qt/qt_preview_image.h"
#include "qt/qt_printer_job.h"
#include "qt/qt_text_measurer.h"

namespace mirelo::qt {

// The headless modes run on the offscreen platform, which has no real
// screen: measure as a 96 dots-per-inch screen does unless told otherwise.
int QtHeadlessPlatform::ScreenDpi() { return 96; }

std::unique_ptr<TextMeasurer> QtHeadlessPlatform::CreatePreviewMeasurer(int dpi) {
  return std::make_unique<QtTextMeasurer>(dpi);
}

std::unique_ptr<PreviewImage> QtHeadlessPlatform::CreatePreviewImage(int widthDots, int heightDots,
                                                                     int dpi) {
  return std::make_unique<QtPreviewImage>(widthDots, heightDots, dpi);
}

std::unique_ptr<PrintJob> QtHeadlessPlatform::CreatePdfJob(const std::filesystem::path& path,
                                                           int dpi, int marginX, int marginY) {
  return QtPrinterJob::ForPdf(path, dpi, marginX, marginY);
}

}  // namespace mirelo::qt
