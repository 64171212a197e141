// The system's printers through Qt's print support (CUPS on Debian), and PDF
// files written as a printer would print them.
#pragma once

#include <QPrinter>
#include <QPrinterInfo>
#include <QString>
#include <QStringList>

#include <future>
#include <memory>
#include <optional>
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
  // Starts asking the print system for its printers and its default one on
  // a thread of its own (loading the print support and asking CUPS take a
  // good part of the window's start), so that the answer is ready when the
  // show step first asks. Later questions are asked anew.
  void StartLookUp();
  ~QtPrinters() override;

  std::vector<std::u16string> PrinterNames() override;
  std::u16string DefaultPrinterName() override;
  bool WritesPdfWithoutPrinter() const override { return true; }  // Qt writes PDF itself
  bool SelectPrinter(std::u16string_view name) override;
  std::u16string CurrentPrinterName() const override;
  int LogPixelsX() const override;
  int LogPixelsY() const override;
  std::unique_ptr<PrinterDraft> CreateDraft(std::u16string_view name) override;
  bool AdoptDraft(PrinterDraft& draft) override;
  std::unique_ptr<PrintJob> CreateJob() override;
  // Qt writes the PDF file itself, at the resolution and margins asked.
  OpenedPrinter CreatePdfJob(const std::filesystem::path& path, int dotsPerInch, int marginX,
                             int marginY) override;

 private:
  struct LookUp {
    QStringList names;
    QString defaultName;
    QPrinterInfo defaultInfo;
  };
  std::future<LookUp> lookUp_;         // started, not yet taken
  std::optional<LookUp> lookedUp_;     // taken, for the show step's questions
  std::unique_ptr<QPrinter> printer_;  // the current printer
};

}  // namespace mirelo::qt
