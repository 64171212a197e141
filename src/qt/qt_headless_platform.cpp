#include "qt/qt_headless_platform.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>
#include <QPrinterInfo>
#include <QString>

#include <stdexcept>

#include "base/format_message.h"
#include "base/messages.h"
#include "base/text_encoding.h"
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

OpenedPrinter QtHeadlessPlatform::CreatePdfJob(const std::filesystem::path& path, int dpi,
                                               int marginX, int marginY) {
  OpenedPrinter pdf;
  pdf.job = QtPrinterJob::ForPdf(path, dpi, marginX, marginY);
  pdf.logPixelsX = pdf.logPixelsY = dpi;
  return pdf;
}

namespace {

QString ToQString(std::u16string_view s) {
  return QString::fromUtf16(s.data(), static_cast<qsizetype>(s.size()));
}

// A job on a printer of its own, which lives as long as the job.
class SystemPrinterJob : public PrintJob {
 public:
  explicit SystemPrinterJob(std::unique_ptr<QPrinter> printer)
      : printer_(std::move(printer)), job_(*printer_) {}
  void Begin(std::u16string_view title) override { job_.Begin(title); }
  Canvas& PageCanvas() override { return job_.PageCanvas(); }
  void NewPage() override { job_.NewPage(); }
  void End() override { job_.End(); }
  void Abort() override { job_.Abort(); }

 private:
  std::unique_ptr<QPrinter> printer_;
  QtPrinterJob job_;
};

}  // namespace

std::vector<std::u16string> QtHeadlessPlatform::PrinterNames() {
  std::vector<std::u16string> names;
  for (const QString& name : QPrinterInfo::availablePrinterNames())
    names.push_back(name.toStdU16String());
  return names;
}

std::optional<std::u16string> QtHeadlessPlatform::DefaultPrinterName() {
  const QPrinterInfo info = QPrinterInfo::defaultPrinter();
  if (info.isNull()) return std::nullopt;
  return info.printerName().toStdU16String();
}

OpenedPrinter QtHeadlessPlatform::OpenPrinter(std::u16string_view name) {
  const QPrinterInfo info = QPrinterInfo::printerInfo(ToQString(name));
  if (info.isNull())
    throw std::runtime_error(FormatMessage(msg::kPrintStartFailed, ToUtf8(name)));
  auto printer = std::make_unique<QPrinter>(info, QPrinter::HighResolution);
  // The form is A4 whatever the printer's default paper.
  printer->setPageSize(QPageSize(QPageSize::A4));
  printer->setPageOrientation(QPageLayout::Portrait);
  OpenedPrinter opened;
  opened.logPixelsX = printer->logicalDpiX();
  opened.logPixelsY = printer->logicalDpiY();
  opened.job = std::make_unique<SystemPrinterJob>(std::move(printer));
  return opened;
}

}  // namespace mirelo::qt
