// The system's printers through Qt's print support (CUPS on Debian), and the
// program's own PDF printer where the system has none: every Windows system
// has a printer that writes a file, a Debian system may have no printer at
// all.
#pragma once

#include <QPrinter>

#include <memory>
#include <string>

#include "platform/printers.h"

namespace mirelo::qt {

class QtPrinters : public Printers {
 public:
  bool SelectDefaultPrinter() override;
  std::u16string CurrentPrinterName() const override;
  int LogPixelsX() const override;
  int LogPixelsY() const override;
  // Qt's print dialog, cut down to the choice of printer and its options:
  // no page range, no paper size (the form is A4), no file output. Where the
  // system has no printer to choose, the user is told so and the program's
  // own PDF printer stays current.
  bool RunPrinterSetup() override;
  std::unique_ptr<PrintJob> CreateJob() override;

  // The own PDF printer's resolution; it has no unprintable margin.
  static constexpr int kOwnPdfDpi = 600;

 private:
  enum class Current { None, System, OwnPdf };
  Current current_ = Current::None;
  std::unique_ptr<QPrinter> printer_;  // the system printer
};

}  // namespace mirelo::qt
