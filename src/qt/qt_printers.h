// The system's printers through Qt's print support (CUPS on Debian), and PDF
// files written as a printer would print them.
#pragma once

#include <QPrinter>

#include <memory>
#include <string>

#include "platform/printers.h"

namespace mirelo::qt {

// A printer for the set-up dialog to edit: a QPrinter of its own.
class QtPrinterDraft : public PrinterDraft {
 public:
  explicit QtPrinterDraft(std::unique_ptr<QPrinter> printer) : printer_(std::move(printer)) {}
  QPrinter& Printer() { return *printer_; }
  std::unique_ptr<QPrinter> Take() { return std::move(printer_); }

 private:
  std::unique_ptr<QPrinter> printer_;
};

class QtPrinters : public Printers {
 public:
  std::vector<std::u16string> PrinterNames() override;
  std::u16string DefaultPrinterName() override;
  bool SelectPrinter(std::u16string_view name) override;
  std::u16string CurrentPrinterName() const override;
  int LogPixelsX() const override;
  int LogPixelsY() const override;
  std::unique_ptr<PrinterDraft> CreateDraft(std::u16string_view name) override;
  bool AdoptDraft(PrinterDraft& draft) override;
  std::unique_ptr<PrintJob> CreateJob() override;
  std::unique_ptr<PrintJob> CreatePdfJob(const std::filesystem::path& path,
                                         int dotsPerInch) override;

 private:
  std::unique_ptr<QPrinter> printer_;  // the current printer
};

}  // namespace mirelo::qt
