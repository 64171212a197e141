// The system's printers as the main window uses them: one current printer,
// chosen at the first showing, whose jobs the print buttons open.
#pragma once

#include <memory>
#include <string>

#include "platform/print_job.h"

namespace mirelo {

class Printers {
 public:
  virtual ~Printers() = default;
  // Makes the system's default printer the current one. False when the
  // system has printers but none of them is the default. A system with no
  // printer at all offers one of the program's own (a PDF file), so that
  // there is always something to print on.
  virtual bool SelectDefaultPrinter() = 0;
  virtual std::u16string CurrentPrinterName() const = 0;
  // LOGPIXELSX and LOGPIXELSY of the current printer.
  virtual int LogPixelsX() const = 0;
  virtual int LogPixelsY() const = 0;
  // Runs the system's printer set-up dialog on the current printer. When
  // the user confirms, the printer chosen there is current, with its name
  // and resolution; false when the user cancelled, and then nothing changed.
  virtual bool RunPrinterSetup() = 0;
  // A job on the current printer, not yet begun; nothing when the user
  // cancelled a question on the way (the file name of a PDF printer).
  // Throws std::runtime_error when no job can be made.
  virtual std::unique_ptr<PrintJob> CreateJob() = 0;
};

}  // namespace mirelo
