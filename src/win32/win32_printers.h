// The system's printers through the print spooler and GDI: what the spooler
// has, one current printer whose jobs open a device context on it, drafts
// for the printer set-up dialog, and PDF files through the system's own PDF
// printer.
#pragma once

#include <string>
#include <vector>

#include "platform/printers.h"
#include "win32/scoped_handles.h"

namespace mirelo::win32 {

// The system's own PDF printer, through which the program writes PDF files
// where the system has it.
inline constexpr char16_t kPdfPrinterName[] = u"Microsoft Print to PDF";

// A printer and its options as PrintDlgW edits them: the name and the
// DEVMODEW with what follows it (empty: the printer's own settings).
class Win32PrinterDraft : public PrinterDraft {
 public:
  std::u16string name;
  std::vector<unsigned char> mode;
};

class Win32Printers : public Printers {
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
  // Through the system's PDF printer at its own resolution and printable
  // area, whatever dotsPerInch and the margins ask; a system without it is
  // told in the error.
  OpenedPrinter CreatePdfJob(const std::filesystem::path& path, int dotsPerInch, int marginX,
                             int marginY) override;

 private:
  // Takes the printer as current when a device context can be made on it.
  bool Use(const std::u16string& name, std::vector<unsigned char> mode);

  std::u16string name_;
  std::vector<unsigned char> mode_;  // the set-up dialog's choices, if any
  int logPixelsX_ = 0, logPixelsY_ = 0;
};

}  // namespace mirelo::win32
