#include "qt/qt_printers.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPrinterInfo>
#include <QString>

#include <stdexcept>

#include "base/messages.h"
#include "qt/qt_printer_job.h"
#include "qt/qt_text.h"

namespace mirelo::qt {
namespace {

// The form is A4 portrait whatever the printer's default paper.
void FormPaper(QPrinter& printer) {
  printer.setPageSize(QPageSize(QPageSize::A4));
  printer.setPageOrientation(QPageLayout::Portrait);
}

std::unique_ptr<QPrinter> FormPrinter(const QPrinterInfo& info) {
  auto printer = std::make_unique<QPrinter>(info, QPrinter::HighResolution);
  FormPaper(*printer);
  return printer;
}

}  // namespace

void QtPrinters::StartLookUp() {
  lookUp_ = std::async(std::launch::async, [] {
    LookUp found;
    // Names only: a QPrinterInfo of every printer would ask the print
    // system for each one's whole description; only the default one's is
    // needed.
    found.names = QPrinterInfo::availablePrinterNames();
    found.defaultName = QPrinterInfo::defaultPrinterName();
    if (!found.defaultName.isEmpty())
      found.defaultInfo = QPrinterInfo::printerInfo(found.defaultName);
    return found;
  });
}

QtPrinters::~QtPrinters() {
  if (lookUp_.valid()) lookUp_.wait();
}

std::vector<std::u16string> QtPrinters::PrinterNames() {
  // The look-up started early answers the first question; the others are
  // asked anew.
  QStringList names;
  if (lookUp_.valid()) {
    lookedUp_ = lookUp_.get();
    names = lookedUp_->names;
  } else {
    lookedUp_.reset();
    names = QPrinterInfo::availablePrinterNames();
  }
  std::vector<std::u16string> result;
  for (const QString& name : names) result.push_back(FromQString(name));
  return result;
}

std::u16string QtPrinters::DefaultPrinterName() {
  if (lookedUp_) return FromQString(lookedUp_->defaultName);
  return FromQString(QPrinterInfo::defaultPrinterName());
}

bool QtPrinters::SelectPrinter(std::u16string_view name) {
  const QString wanted = ToQString(name);
  QPrinterInfo info;
  if (lookedUp_ && lookedUp_->defaultName == wanted) info = lookedUp_->defaultInfo;
  lookedUp_.reset();
  if (info.isNull()) info = QPrinterInfo::printerInfo(wanted);
  if (info.isNull()) return false;
  printer_ = FormPrinter(info);
  return true;
}

std::u16string QtPrinters::CurrentPrinterName() const {
  return printer_ ? FromQString(printer_->printerName()) : std::u16string();
}

int QtPrinters::LogPixelsX() const { return printer_ ? printer_->logicalDpiX() : 0; }
int QtPrinters::LogPixelsY() const { return printer_ ? printer_->logicalDpiY() : 0; }

std::unique_ptr<PrinterDraft> QtPrinters::CreateDraft(std::u16string_view name) {
  return std::make_unique<QtPrinterDraft>(FormPrinter(QPrinterInfo::printerInfo(ToQString(name))));
}

bool QtPrinters::AdoptDraft(PrinterDraft& draft) {
  QPrinter& chosen = static_cast<QtPrinterDraft&>(draft).Printer();
  if (chosen.outputFormat() != QPrinter::NativeFormat || chosen.printerName().isEmpty())
    return false;  // not a printer of the system's
  FormPaper(chosen);
  printer_ = static_cast<QtPrinterDraft&>(draft).Take();
  return true;
}

std::unique_ptr<PrintJob> QtPrinters::CreateJob() {
  if (!printer_) throw std::runtime_error(msg::kNoDefaultPrinter);
  return std::make_unique<QtPrinterJob>(*printer_);
}

OpenedPrinter QtPrinters::CreatePdfJob(const std::filesystem::path& path, int dotsPerInch,
                                       int marginX, int marginY) {
  return OpenedPrinter{QtPrinterJob::ForPdf(path, dotsPerInch, marginX, marginY), dotsPerInch,
                       dotsPerInch};
}

}  // namespace mirelo::qt
