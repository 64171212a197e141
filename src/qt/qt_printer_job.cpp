#include "qt/qt_printer_job.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPrinterInfo>
#include <QString>

#include <stdexcept>
#include <string>
#include <utility>

#include "base/format_message.h"
#include "base/messages.h"
#include "posix/posix_file_store.h"
#include "qt/qt_text.h"

namespace mirelo::qt {
namespace {

void RemoveQuietly(const std::filesystem::path& path) {
  std::error_code ec;
  std::filesystem::remove(path, ec);
}

}  // namespace

bool QtPrinterJob::PrinterStillThere() const {
  // The print system answers anew each time: a queue deleted since the
  // window showed its name is missing here. Qt hands the finished job to
  // CUPS without reporting a refusal, so this is asked before the job
  // starts and again before it is handed over.
  return pdfPath_ || QPrinterInfo::availablePrinterNames().contains(printer_.printerName());
}

QtPrinterJob::QtPrinterJob(QPrinter& printer) : printer_(printer) {}

QtPrinterJob::QtPrinterJob(std::unique_ptr<QPrinter> owned, std::filesystem::path pdfPath,
                           std::filesystem::path pdfTemp, int marginX, int marginY)
    : owned_(std::move(owned)),
      printer_(*owned_),
      pdfPath_(std::move(pdfPath)),
      pdfTemp_(std::move(pdfTemp)),
      emulatedMarginX_(marginX),
      emulatedMarginY_(marginY) {}

std::unique_ptr<QtPrinterJob> QtPrinterJob::ForPdf(const std::filesystem::path& path,
                                                   int dotsPerInch, int marginX, int marginY) {
  const std::optional<std::filesystem::path> temp =
      posix::PosixFileStore().CreateTempFileBeside(path);
  if (!temp) throw std::runtime_error(FormatMessage(msg::kCannotWrite, path.string()));
  auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
  printer->setOutputFormat(QPrinter::PdfFormat);
  printer->setOutputFileName(QString::fromStdString(temp->string()));
  printer->setResolution(dotsPerInch);
  printer->setPageLayout(
      QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
  printer->setFullPage(true);
  return std::unique_ptr<QtPrinterJob>(
      new QtPrinterJob(std::move(printer), path, *temp, marginX, marginY));
}

QtPrinterJob::~QtPrinterJob() {
  if (painter_.isActive()) Abort();
  if (pdfTemp_) RemoveQuietly(*pdfTemp_);  // a job that never ended leaves nothing
}

std::string QtPrinterJob::OutputName() const {
  return pdfPath_ ? pdfPath_->string() : Utf8FromQString(printer_.printerName());
}

void QtPrinterJob::Begin(std::u16string_view title) {
  printer_.setDocName(ToQString(title));
  if (!PrinterStillThere() || !painter_.begin(&printer_))
    throw std::runtime_error(FormatMessage(msg::kPrintStartFailed, OutputName()));

  DeviceFacts facts{printer_.resolution(), printer_.resolution(), 0, 0};
  if (pdfPath_) {
    // The PDF page is the whole sheet; move the origin to where a printer's
    // printable area would begin.
    painter_.translate(emulatedMarginX_, emulatedMarginY_);
    facts.physicalOffsetX = emulatedMarginX_;
    facts.physicalOffsetY = emulatedMarginY_;
  } else {
    const QRect paint = printer_.pageLayout().paintRectPixels(printer_.resolution());
    facts.physicalOffsetX = paint.left();
    facts.physicalOffsetY = paint.top();
  }
  canvas_ = std::make_unique<QtPainterCanvas>(painter_, facts);
}

void QtPrinterJob::NewPage() {
  if (!printer_.newPage())
    throw std::runtime_error(FormatMessage(msg::kPrintStartFailed, OutputName()));
}

void QtPrinterJob::End() {
  if (!PrinterStillThere()) {
    Abort();
    throw std::runtime_error(FormatMessage(msg::kPrintStartFailed, OutputName()));
  }
  canvas_.reset();
  const bool ended = painter_.end();
  if (pdfTemp_) {
    const std::filesystem::path temp = *std::exchange(pdfTemp_, std::nullopt);
    if (!ended) RemoveQuietly(temp);
    if (!ended || !posix::PosixFileStore().CommitTempFile(temp, *pdfPath_))
      throw std::runtime_error(FormatMessage(msg::kCannotWrite, pdfPath_->string()));
  } else if (!ended) {
    throw std::runtime_error(FormatMessage(msg::kPrintStartFailed, OutputName()));
  }
}

void QtPrinterJob::Abort() {
  canvas_.reset();
  printer_.abort();
  if (painter_.isActive()) painter_.end();
  if (pdfTemp_) RemoveQuietly(*std::exchange(pdfTemp_, std::nullopt));
}

}  // namespace mirelo::qt
