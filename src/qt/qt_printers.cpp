#include "qt/qt_printers.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPageLayout>
#include <QPageSize>
#include <QPrintDialog>
#include <QPrinterInfo>
#include <QString>

#include <stdexcept>

#include "base/messages.h"
#include "qt/qt_printer_job.h"

namespace mirelo::qt {

namespace {

std::unique_ptr<QPrinter> FormPrinter(const QPrinterInfo& info) {
  auto printer = std::make_unique<QPrinter>(info, QPrinter::HighResolution);
  // The form is A4 whatever the printer's default paper.
  printer->setPageSize(QPageSize(QPageSize::A4));
  printer->setPageOrientation(QPageLayout::Portrait);
  return printer;
}

}  // namespace

bool QtPrinters::SelectDefaultPrinter() {
  if (QPrinterInfo::availablePrinters().isEmpty()) {
    printer_.reset();
    current_ = Current::OwnPdf;
    return true;
  }
  const QPrinterInfo info = QPrinterInfo::defaultPrinter();
  if (info.isNull()) return false;
  printer_ = FormPrinter(info);
  current_ = Current::System;
  return true;
}

bool QtPrinters::RunPrinterSetup() {
  // Over the dialog that asked for it.
  QWidget* parent = QApplication::activeModalWidget();
  const QList<QPrinterInfo> all = QPrinterInfo::availablePrinters();
  if (all.isEmpty()) {
    QMessageBox box(QMessageBox::NoIcon, QString::fromUtf8(msg::kAppTitle),
                    QString::fromUtf8(msg::kNoSystemPrinter), QMessageBox::Ok, parent);
    box.exec();
    return false;
  }
  // The dialog starts on the current printer, or, while the program's own
  // PDF printer stands in, on the default one: a printer added since the
  // start can be chosen now. It works on a printer of its own, so that a
  // cancel leaves the current one as it was.
  QPrinterInfo start;
  if (current_ == Current::System) start = QPrinterInfo::printerInfo(printer_->printerName());
  if (start.isNull()) start = QPrinterInfo::defaultPrinter();
  if (start.isNull()) start = all.front();
  std::unique_ptr<QPrinter> chosen = FormPrinter(start);
  QPrintDialog dialog(chosen.get(), parent);
  dialog.setOption(QAbstractPrintDialog::PrintToFile, false);
  dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
  dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
  dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
  dialog.setOption(QAbstractPrintDialog::PrintShowPageSize, false);
  if (dialog.exec() != QDialog::Accepted) return false;
  if (chosen->outputFormat() != QPrinter::NativeFormat || chosen->printerName().isEmpty())
    return false;  // not a printer of the system's: keep the current one
  chosen->setPageSize(QPageSize(QPageSize::A4));
  chosen->setPageOrientation(QPageLayout::Portrait);
  printer_ = std::move(chosen);
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
      // A name typed without an ending gets the PDF's.
      const QString file = QFileInfo(path).suffix().isEmpty() ? path + QStringLiteral(".pdf") : path;
      return QtPrinterJob::ForPdf(file.toStdString(), kOwnPdfDpi, 0, 0);
    }
    case Current::None:
      break;
  }
  throw std::runtime_error(msg::kNoDefaultPrinter);
}

}  // namespace mirelo::qt
