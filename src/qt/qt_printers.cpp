#include "qt/qt_printers.h"

#include <QFileDialog>
#include <QPageLayout>
#include <QPageSize>
#include <QPrinterInfo>
#include <QString>

#include <stdexcept>

#include "base/messages.h"
#include "qt/qt_printer_job.h"

namespace mirelo::qt {

bool QtPrinters::SelectDefaultPrinter() {
  if (QPrinterInfo::availablePrinters().isEmpty()) {
    printer_.reset();
    current_ = Current::OwnPdf;
    return true;
  }
  const QPrinterInfo info = QPrinterInfo::defaultPrinter();
  if (info.isNull()) return false;
  printer_ = std::make_unique<QPrinter>(info, QPrinter::HighResolution);
  // The form is A4 whatever the printer's default paper.
  printer_->setPageSize(QPageSize(QPageSize::A4));
  printer_->setPageOrientation(QPageLayout::Portrait);
  current_ = Current::System;
  return true;
}

std::u16string QtPrinters::CurrentPrinterName() const {
  QString name;
  if (current_ == Current::System) name = printer_->printerName();
  if (current_ == Current::OwnPdf) name = QString::fromUtf8(msg::kOwnPdfPrinterName);
  return name.toStdU16String();
}

int QtPrinters::LogPixelsX() const {
  return current_ == Current::System ? printer_->logicalDpiX() : kOwnPdfDpi;
}

int QtPrinters::LogPixelsY() const {
  return current_ == Current::System ? printer_->logicalDpiY() : kOwnPdfDpi;
}

std::unique_ptr<PrintJob> QtPrinters::CreateJob() {
  switch (current_) {
    case Current::System:
      return std::make_unique<QtPrinterJob>(*printer_);
    case Current::OwnPdf: {
      const QString path = QFileDialog::getSaveFileName(
          nullptr, QString::fromUtf8(msg::kOwnPdfPrinterName), QString(),
          QString::fromUtf8(msg::kPdfFileFilter));
      if (path.isEmpty()) return nullptr;
      return QtPrinterJob::ForPdf(path.toStdString(), kOwnPdfDpi, 0, 0);
    }
    case Current::None:
      break;
  }
  throw std::runtime_error(msg::kNoDefaultPrinter);
}

}  // namespace mirelo::qt
