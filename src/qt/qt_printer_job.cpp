#include "qt/qt_printer_job.h"

#include <QPageLayout>
#include <QPageSize>
#include <QString>

#include <stdexcept>
#include <string>

#include "app/format_message.h"
#include "app/messages.h"

namespace mirelo::qt {
namespace {

std::filesystem::path TempPath(const std::filesystem::path& path) {
  std::filesystem::path temp = path;
  temp += ".tmp";
  return temp;
}

std::string PrinterName(const QPrinter& printer) {
  return printer.outputFormat() == QPrinter::PdfFormat ? printer.outputFileName().toStdString()
                                                       : printer.printerName().toStdString();
}

}  // namespace

QtPrinterJob::QtPrinterJob(QPrinter& printer) : printer_(printer) {}

QtPrinterJob::QtPrinterJob(std::unique_ptr<QPrinter> owned, std::filesystem::path pdfPath,
                           int marginX, int marginY)
    : owned_(std::move(owned)),
      printer_(*owned_),
      pdfPath_(std::move(pdfPath)),
      emulatedMarginX_(marginX),
      emulatedMarginY_(marginY) {}

std::unique_ptr<QtPrinterJob> QtPrinterJob::ForPdf(const std::filesystem::path& path,
                                                   int dotsPerInch, int marginX, int marginY) {
  auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
  printer->setOutputFormat(QPrinter::PdfFormat);
  printer->setOutputFileName(QString::fromStdString(TempPath(path).string()));
  printer->setResolution(dotsPerInch);
  printer->setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                     QMarginsF(0, 0, 0, 0)));
  printer->setFullPage(true);
  return std::unique_ptr<QtPrinterJob>(
      new QtPrinterJob(std::move(printer), path, marginX, marginY));
}

QtPrinterJob::~QtPrinterJob() {
  if (painter_.isActive()) Abort();
}

void QtPrinterJob::Begin(std::u16string_view title) {
  printer_.setDocName(QString::fromUtf16(title.data(), static_cast<qsizetype>(title.size())));
  if (!painter_.begin(&printer_))
    throw std::runtime_error(FormatMessage(msg::kPrintStartFailed, PrinterName(printer_)));

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
    throw std::runtime_error(FormatMessage(msg::kPrintStartFailed, PrinterName(printer_)));
}

void QtPrinterJob::End() {
  canvas_.reset();
  if (!painter_.end())
    throw std::runtime_error(FormatMessage(msg::kPrintStartFailed, PrinterName(printer_)));
  if (pdfPath_) {
    std::error_code ec;
    std::filesystem::rename(TempPath(*pdfPath_), *pdfPath_, ec);
    if (ec) {
      std::filesystem::remove(TempPath(*pdfPath_), ec);
      throw std::runtime_error(FormatMessage(msg::kCannotWrite, pdfPath_->string()));
    }
  }
}

void QtPrinterJob::Abort() {
  canvas_.reset();
  printer_.abort();
  if (painter_.isActive()) painter_.end();
  if (pdfPath_) {
    std::error_code ec;
    std::filesystem::remove(TempPath(*pdfPath_), ec);
  }
}

}  // namespace mirelo::qt
