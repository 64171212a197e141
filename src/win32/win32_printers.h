// The system's printers through the print spooler and GDI.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "win32/scoped_handles.h"

namespace mirelo::win32 {

// The system's own PDF printer, through which the program writes PDF files
// where the system has it.
inline constexpr char16_t kPdfPrinterName[] = u"Microsoft Print to PDF";

std::vector<std::u16string> PrinterNames();
std::optional<std::u16string> DefaultPrinterName();

// A device context on the printer, set up for the form: A4, portrait, with
// the options chosen in the printer set-up dialog where there are any (a
// DEVMODEW and what follows it), else the printer's own. Nothing when the
// printer cannot be opened.
OwnedDc CreatePrinterDc(std::u16string_view name, const std::vector<unsigned char>& chosenMode = {});

}  // namespace mirelo::win32
