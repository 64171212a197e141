// The system's printers as the window uses them on Windows: what the
// spooler has, one current printer whose jobs the print buttons open
// through GDI, and drafts for the printer set-up dialog.
#pragma once

#include <string>
#include <vector>

#include "platform/printers.h"
#include "win32/windows_api.h"

namespace mirelo::win32 {

// A printer and its options as PrintDlgW edits them: the name and the
// DEVMODEW with what follows it (empty: the printer's own settings).
class Win32PrinterDraft : public PrinterDraft {
 public:
  std::u16string name;
  std::vector<unsigned char> mode;
};

class Win32WindowPrinters : public Printers {
 public:
  std::vector<std::u16string> PrinterNames() override;
  std::u16string DefaultPrinterName() override;
  // Only "Microsoft Print to PDF", itself a printer, writes PDF files.
  bool WritesPdfWithoutPrinter() const override { return false; }
  bool SelectPrinter(std::u16string_view name) override;
  std::u16string CurrentPrinterName() const override { return name_; }
  int LogPixelsX() const override { return logPixelsX_; }
  int LogPixelsY() const override { return logPixelsY_; }
  std::unique_ptr<PrinterDraft> CreateDraft(std::u16string_view name) override;
  bool AdoptDraft(PrinterDraft& draft) override;
  std::unique_ptr<PrintJob> CreateJob() override;
  // Through the system's PDF printer ("Microsoft Print to PDF") at its own
  // resolution; a system without it is told in the error.
  std::unique_ptr<PrintJob> CreatePdfJob(const std::filesystem::path& path, int dotsPerInch) override;

 private:
  // Takes the printer as current when a device context can be made on it.
  bool Use(const std::u16string& name, std::vector<unsigned char> mode);

  std::u16string name_;
  std::vector<unsigned char> mode_;  // the set-up dialog's choices, if any
  int logPixelsX_ = 0, logPixelsY_ = 0;
};

}  // namespace mirelo::win32
