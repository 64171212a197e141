#include "win32/win32_headless_platform.h"

#include <algorithm>
#include <stdexcept>

#include "base/format_message.h"
#include "base/messages.h"
#include "base/text_encoding.h"
#include "win32/dib_preview_image.h"
#include "win32/gdi_print_job.h"
#include "win32/gdi_text_measurer.h"
#include "win32/wide_text.h"
#include "win32/win32_printers.h"
#include "win32/windows_api.h"

namespace mirelo::win32 {

// The headless modes measure as a 96 dots-per-inch screen does unless told
// otherwise, as on Debian, so that both builds lay out alike.
int Win32HeadlessPlatform::ScreenDpi() { return 96; }

std::unique_ptr<TextMeasurer> Win32HeadlessPlatform::CreatePreviewMeasurer(int dpi) {
  return std::make_unique<GdiTextMeasurer>(dpi);
}

std::unique_ptr<PreviewImage> Win32HeadlessPlatform::CreatePreviewImage(int widthDots,
                                                                        int heightDots, int dpi) {
  return std::make_unique<DibPreviewImage>(widthDots, heightDots, dpi);
}

// The system's PDF printer keeps its own resolution and printable area: the
// pages are mapped to those, whatever --printer-dpi and --printer-margin ask.
OpenedPrinter Win32HeadlessPlatform::CreatePdfJob(const std::filesystem::path& path, int, int,
                                                  int) {
  const std::vector<std::u16string> names = PrinterNames();
  if (std::find(names.begin(), names.end(), kPdfPrinterName) == names.end())
    throw std::runtime_error(FormatMessage(msg::kNoPdfPrinter, ToUtf8(kPdfPrinterName)));
  OwnedDc dc = CreatePrinterDc(kPdfPrinterName);
  if (!dc) throw std::runtime_error(FormatMessage(msg::kPrintStartFailed, ToUtf8(kPdfPrinterName)));
  OpenedPrinter pdf;
  pdf.logPixelsX = GetDeviceCaps(dc.Get(), LOGPIXELSX);
  pdf.logPixelsY = GetDeviceCaps(dc.Get(), LOGPIXELSY);
  pdf.job = std::make_unique<GdiPrintJob>(std::move(dc), Wide(kPdfPrinterName), path);
  return pdf;
}

std::vector<std::u16string> Win32HeadlessPlatform::PrinterNames() { return win32::PrinterNames(); }

std::optional<std::u16string> Win32HeadlessPlatform::DefaultPrinterName() {
  return win32::DefaultPrinterName();
}

OpenedPrinter Win32HeadlessPlatform::OpenPrinter(std::u16string_view name) {
  OwnedDc dc = CreatePrinterDc(name);
  if (!dc) throw std::runtime_error(FormatMessage(msg::kPrintStartFailed, ToUtf8(name)));
  OpenedPrinter opened;
  opened.logPixelsX = GetDeviceCaps(dc.Get(), LOGPIXELSX);
  opened.logPixelsY = GetDeviceCaps(dc.Get(), LOGPIXELSY);
  opened.job = std::make_unique<GdiPrintJob>(std::move(dc), Wide(name));
  return opened;
}

}  // namespace mirelo::win32
