// The system's printers as the main window uses them on Windows: one
// current printer, chosen at the first showing, changed in the printer
// set-up dialog, whose jobs the print buttons open through GDI.
#pragma once

#include <string>
#include <vector>

#include "platform/printers.h"
#include "win32/windows_api.h"

namespace mirelo::win32 {

class Win32WindowPrinters : public Printers {
 public:
  // False where the system has no default printer, and where it has no
  // printer at all (Windows always offers one that writes a file).
  bool SelectDefaultPrinter() override;
  std::u16string CurrentPrinterName() const override { return name_; }
  int LogPixelsX() const override { return logPixelsX_; }
  int LogPixelsY() const override { return logPixelsY_; }
  // PrintDlgW in set-up mode, on the current printer; its button confirms
  // the choice, it prints nothing.
  bool RunPrinterSetup() override;
  std::unique_ptr<PrintJob> CreateJob() override;

 private:
  // Takes the printer as current when a device context can be made on it.
  bool Use(const std::u16string& name, std::vector<unsigned char> mode);

  std::u16string name_;
  std::vector<unsigned char> mode_;  // the set-up dialog's choices, if any
  int logPixelsX_ = 0, logPixelsY_ = 0;
};

}  // namespace mirelo::win32
