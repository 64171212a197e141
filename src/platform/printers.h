// The system's printers as the window and the headless modes use them: a
// thin query of what the system has, one current printer whose jobs the
// print buttons (or --print) open, and a draft of a printer for the set-up
// dialog to edit. Nothing here shows anything to the user; which printer is
// chosen, and when, is the caller's.
#pragma once

#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/print_job.h"

namespace mirelo {

// A printer with its options as the set-up dialog edits them, apart from the
// current printer, so that a cancel leaves that one as it was. What it holds
// is the adapter's, which also shows the dialog on it.
class PrinterDraft {
 public:
  virtual ~PrinterDraft() = default;
};

// A job, not yet begun, with the resolution its pages are drawn at.
struct OpenedPrinter {
  std::unique_ptr<PrintJob> job;
  int logPixelsX = 0, logPixelsY = 0;
};

class Printers {
 public:
  virtual ~Printers() = default;
  // The names of the system's printers, and the name of its default one
  // (empty where it has none). Asked of the system anew each time.
  virtual std::vector<std::u16string> PrinterNames() = 0;
  virtual std::u16string DefaultPrinterName() = 0;
  // Whether the system writes a PDF file without a printer of its own, so
  // that the program's own PDF printer can stand in where it has none
  // (Windows makes PDF files only through a printer).
  virtual bool WritesPdfWithoutPrinter() const = 0;
  // Makes the named printer of the system the current one, for A4 portrait
  // pages. False when the system has no printer of that name; the current
  // one then stays.
  virtual bool SelectPrinter(std::u16string_view name) = 0;
  // The current printer's name and its LOGPIXELSX and LOGPIXELSY; only
  // after a printer was selected.
  virtual std::u16string CurrentPrinterName() const = 0;
  virtual int LogPixelsX() const = 0;
  virtual int LogPixelsY() const = 0;
  // A draft of the named printer, A4 portrait, for the set-up dialog.
  virtual std::unique_ptr<PrinterDraft> CreateDraft(std::u16string_view name) = 0;
  // Makes a draft the user confirmed the current printer. False when it
  // names no printer of the system; the current one then stays.
  virtual bool AdoptDraft(PrinterDraft& draft) = 0;
  // A job on the current printer, not yet begun. Throws std::runtime_error
  // when none can be made.
  virtual std::unique_ptr<PrintJob> CreateJob() = 0;
  // A job that writes A4 pages into a PDF file, standing in for a printer
  // of dotsPerInch whose printable area starts marginX, marginY dots into
  // the paper; the file appears only when the job ends. A system that makes
  // PDF files only through a printer of its own keeps that printer's
  // resolution and margins: the resolution given back is the job's.
  virtual OpenedPrinter CreatePdfJob(const std::filesystem::path& path, int dotsPerInch,
                                     int marginX, int marginY) = 0;
};

}  // namespace mirelo
