// Which printer the window prints on: one of the system's, or, where the
// system has none at all and can make a PDF without one (Debian, through
// the toolkit), the program's own PDF printer; where it cannot (Windows),
// the window says that no printer is chosen. The rules are the window's;
// the system is only asked what it has.
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "platform/printers.h"

namespace mirelo {

class PrinterChoice {
 public:
  // The own PDF printer's resolution; it has no unprintable margin.
  static constexpr int kOwnPdfDpi = 600;

  explicit PrinterChoice(Printers& system) : system_(system) {}

  // The show step's choice: the system's default printer; the own PDF
  // printer where the system has no printer at all and writes PDF files
  // without one. False, with nothing chosen, where it has printers but none
  // of them is the default, or none at all and no PDF without a printer.
  bool SelectDefault();

  bool Chosen() const { return current_ != Current::None; }
  bool IsOwnPdf() const { return current_ == Current::OwnPdf; }
  std::u16string Name() const;
  int LogPixelsX() const;
  int LogPixelsY() const;

  // Whether the system has a printer the set-up dialog could offer.
  bool SystemHasPrinters() { return !system_.PrinterNames().empty(); }
  // The draft the set-up dialog starts on: the current printer, or, while
  // the own PDF printer stands in (or the current one has gone), the
  // default one or else the first: a printer added since the start can be
  // chosen now. Nothing where the system has no printer.
  std::unique_ptr<PrinterDraft> StartSetup();
  // The draft the user confirmed becomes the current printer; false when
  // it names no printer of the system, and the current one stays.
  bool FinishSetup(PrinterDraft& draft);

  // A job on the current printer, not yet begun. The own PDF printer first
  // asks for the file's name (askPdfName; nothing when the user cancels,
  // and then there is no job); a name without an ending gets ".pdf".
  // Throws std::runtime_error where no printer was chosen.
  std::unique_ptr<PrintJob> CreateJob(
      const std::function<std::optional<std::filesystem::path>()>& askPdfName);

 private:
  enum class Current { None, System, OwnPdf };
  Printers& system_;
  Current current_ = Current::None;
};

// The PDF file's name as the user typed it, with ".pdf" where the name has
// no ending of its own.
std::filesystem::path WithPdfEnding(const std::filesystem::path& typed);

}  // namespace mirelo
