#include "win32/win32_window_printers.h"

#include <algorithm>
#include <stdexcept>

#include "base/format_message.h"
#include "base/messages.h"
#include "base/text_encoding.h"
#include "win32/gdi_print_job.h"
#include "win32/wide_text.h"
#include "win32/win32_printers.h"

namespace mirelo::win32 {

std::vector<std::u16string> Win32WindowPrinters::PrinterNames() { return win32::PrinterNames(); }

std::u16string Win32WindowPrinters::DefaultPrinterName() {
  return win32::DefaultPrinterName().value_or(std::u16string());
}

bool Win32WindowPrinters::Use(const std::u16string& name, std::vector<unsigned char> mode) {
  const OwnedDc dc = CreatePrinterDc(name, mode);
  if (!dc) return false;
  logPixelsX_ = GetDeviceCaps(dc.Get(), LOGPIXELSX);
  logPixelsY_ = GetDeviceCaps(dc.Get(), LOGPIXELSY);
  name_ = name;
  mode_ = std::move(mode);
  return true;
}

bool Win32WindowPrinters::SelectPrinter(std::u16string_view name) {
  const std::vector<std::u16string> names = PrinterNames();
  if (std::find(names.begin(), names.end(), name) == names.end()) return false;
  return Use(std::u16string(name), {});
}

std::unique_ptr<PrinterDraft> Win32WindowPrinters::CreateDraft(std::u16string_view name) {
  auto draft = std::make_unique<Win32PrinterDraft>();
  draft->name = name;
  if (draft->name == name_) draft->mode = mode_;  // the current one's options
  return draft;
}

bool Win32WindowPrinters::AdoptDraft(PrinterDraft& draft) {
  auto& chosen = static_cast<Win32PrinterDraft&>(draft);
  const std::vector<std::u16string> names = PrinterNames();
  if (std::find(names.begin(), names.end(), chosen.name) == names.end()) return false;
  return Use(chosen.name, chosen.mode);
}

std::unique_ptr<PrintJob> Win32WindowPrinters::CreateJob() {
  if (name_.empty()) throw std::runtime_error(msg::kNoDefaultPrinter);
  OwnedDc dc = CreatePrinterDc(name_, mode_);
  if (!dc) throw std::runtime_error(FormatMessage(msg::kPrintStartFailed, ToUtf8(name_)));
  return std::make_unique<GdiPrintJob>(std::move(dc), Wide(name_));
}

std::unique_ptr<PrintJob> Win32WindowPrinters::CreatePdfJob(const std::filesystem::path& path, int) {
  const std::vector<std::u16string> names = PrinterNames();
  if (std::find(names.begin(), names.end(), kPdfPrinterName) == names.end())
    throw std::runtime_error(FormatMessage(msg::kNoPdfPrinter, ToUtf8(kPdfPrinterName)));
  OwnedDc dc = CreatePrinterDc(kPdfPrinterName);
  if (!dc) throw std::runtime_error(FormatMessage(msg::kPrintStartFailed, ToUtf8(kPdfPrinterName)));
  return std::make_unique<GdiPrintJob>(std::move(dc), Wide(kPdfPrinterName), path);
}

}  // namespace mirelo::win32
