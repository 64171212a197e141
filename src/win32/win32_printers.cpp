#include "win32/win32_printers.h"

#include <algorithm>
#include <stdexcept>
#include <vector>

#include "base/format_message.h"
#include "base/messages.h"
#include "base/text_encoding.h"
#include "win32/gdi_print_job.h"
#include "win32/wide_text.h"

namespace mirelo::win32 {
namespace {

bool IsPrinterOf(const std::vector<std::u16string>& names, std::u16string_view name) {
  return std::find(names.begin(), names.end(), name) != names.end();
}

// A device context on the printer, set up for the form: A4, portrait, with
// the options chosen in the printer set-up dialog where there are any (a
// DEVMODEW and what follows it), else the printer's own. Nothing when the
// printer cannot be opened.
OwnedDc CreatePrinterDc(std::u16string_view name,
                        const std::vector<unsigned char>& chosenMode = {}) {
  std::wstring wide = Wide(name);
  HANDLE opened = nullptr;
  if (!OpenPrinterW(wide.data(), &opened, nullptr)) return OwnedDc();
  const PrinterHandle printer(opened);
  // The printer's own settings, or those chosen, with the paper the form
  // needs.
  std::vector<BYTE> buffer;
  DEVMODEW* mode = nullptr;
  if (chosenMode.size() >= sizeof(DEVMODEW)) {
    buffer.assign(chosenMode.begin(), chosenMode.end());
    mode = reinterpret_cast<DEVMODEW*>(buffer.data());
  } else {
    const LONG size = DocumentPropertiesW(nullptr, printer.Get(), wide.data(), nullptr, nullptr, 0);
    if (size > 0) {
      buffer.assign(static_cast<std::size_t>(size), 0);
      if (DocumentPropertiesW(nullptr, printer.Get(), wide.data(),
                              reinterpret_cast<DEVMODEW*>(buffer.data()), nullptr,
                              DM_OUT_BUFFER) == IDOK)
        mode = reinterpret_cast<DEVMODEW*>(buffer.data());
    }
  }
  if (mode) {
    mode->dmFields |= DM_PAPERSIZE | DM_ORIENTATION;
    mode->dmPaperSize = DMPAPER_A4;
    mode->dmOrientation = DMORIENT_PORTRAIT;
    DocumentPropertiesW(nullptr, printer.Get(), wide.data(), mode, mode,
                        DM_IN_BUFFER | DM_OUT_BUFFER);
  }
  return OwnedDc(CreateDCW(L"WINSPOOL", wide.c_str(), nullptr, mode));
}

}  // namespace

std::vector<std::u16string> Win32Printers::PrinterNames() {
  DWORD needed = 0, count = 0;
  const DWORD flags = PRINTER_ENUM_LOCAL | PRINTER_ENUM_CONNECTIONS;
  EnumPrintersW(flags, nullptr, 4, nullptr, 0, &needed, &count);
  std::vector<BYTE> buffer(needed);
  std::vector<std::u16string> names;
  if (needed == 0 || !EnumPrintersW(flags, nullptr, 4, buffer.data(), needed, &needed, &count))
    return names;
  const auto* info = reinterpret_cast<const PRINTER_INFO_4W*>(buffer.data());
  for (DWORD i = 0; i < count; ++i)
    if (info[i].pPrinterName) names.push_back(FromWide(info[i].pPrinterName));
  return names;
}

std::u16string Win32Printers::DefaultPrinterName() {
  DWORD size = 0;
  GetDefaultPrinterW(nullptr, &size);
  if (size == 0) return {};
  std::wstring name(size, L'\0');
  if (!GetDefaultPrinterW(name.data(), &size)) return {};
  name.resize(wcslen(name.c_str()));
  return FromWide(name);
}

bool Win32Printers::Use(const std::u16string& name, std::vector<unsigned char> mode) {
  const OwnedDc dc = CreatePrinterDc(name, mode);
  if (!dc) return false;
  logPixelsX_ = GetDeviceCaps(dc.Get(), LOGPIXELSX);
  logPixelsY_ = GetDeviceCaps(dc.Get(), LOGPIXELSY);
  name_ = name;
  mode_ = std::move(mode);
  return true;
}

bool Win32Printers::SelectPrinter(std::u16string_view name) {
  if (!IsPrinterOf(PrinterNames(), name)) return false;
  return Use(std::u16string(name), {});
}

std::unique_ptr<PrinterDraft> Win32Printers::CreateDraft(std::u16string_view name) {
  auto draft = std::make_unique<Win32PrinterDraft>();
  draft->name = name;
  if (draft->name == name_) draft->mode = mode_;  // the current one's options
  return draft;
}

bool Win32Printers::AdoptDraft(PrinterDraft& draft) {
  auto& chosen = static_cast<Win32PrinterDraft&>(draft);
  if (!IsPrinterOf(PrinterNames(), chosen.name)) return false;
  return Use(chosen.name, chosen.mode);
}

std::unique_ptr<PrintJob> Win32Printers::CreateJob() {
  if (name_.empty()) throw std::runtime_error(msg::kNoDefaultPrinter);
  OwnedDc dc = CreatePrinterDc(name_, mode_);
  if (!dc) throw std::runtime_error(FormatMessage(msg::kPrintStartFailed, ToUtf8(name_)));
  return std::make_unique<GdiPrintJob>(std::move(dc), Wide(name_));
}

// The system's PDF printer keeps its own resolution and printable area: the
// pages are mapped to those, whatever --printer-dpi and --printer-margin ask.
OpenedPrinter Win32Printers::CreatePdfJob(const std::filesystem::path& path, int, int, int) {
  if (!IsPrinterOf(PrinterNames(), kPdfPrinterName))
    throw std::runtime_error(FormatMessage(msg::kNoPdfPrinter, ToUtf8(kPdfPrinterName)));
  OwnedDc dc = CreatePrinterDc(kPdfPrinterName);
  if (!dc) throw std::runtime_error(FormatMessage(msg::kPrintStartFailed, ToUtf8(kPdfPrinterName)));
  OpenedPrinter pdf;
  pdf.logPixelsX = GetDeviceCaps(dc.Get(), LOGPIXELSX);
  pdf.logPixelsY = GetDeviceCaps(dc.Get(), LOGPIXELSY);
  pdf.job = std::make_unique<GdiPrintJob>(std::move(dc), Wide(kPdfPrinterName), path);
  return pdf;
}

}  // namespace mirelo::win32
