#include "win32/win32_window_printers.h"


#include <stdexcept>

#include "base/format_message.h"
#include "base/messages.h"
#include "base/text_encoding.h"
#include "win32/gdi_print_job.h"
#include "win32/wide_text.h"
#include "win32/win32_printers.h"

namespace mirelo::win32 {

bool Win32WindowPrinters::Use(const std::u16string& name, std::vector<unsigned char> mode) {
  HDC dc = CreatePrinterDc(name, mode);
  if (!dc) return false;
  logPixelsX_ = GetDeviceCaps(dc, LOGPIXELSX);
  logPixelsY_ = GetDeviceCaps(dc, LOGPIXELSY);
  DeleteDC(dc);
  name_ = name;
  mode_ = std::move(mode);
  return true;
}

bool Win32WindowPrinters::SelectDefaultPrinter() {
  const std::optional<std::u16string> name = DefaultPrinterName();
  return name && Use(*name, {});
}

bool Win32WindowPrinters::RunPrinterSetup() {
  // Over the dialog that asked for it.
  HWND owner = GetActiveWindow();
  PRINTDLGW dialog = {};
  dialog.lStructSize = sizeof(dialog);
  dialog.hwndOwner = owner;
  dialog.Flags = PD_PRINTSETUP;
  // The dialog starts on the current printer.
  const std::wstring current = Wide(name_);
  const std::size_t namesSize = sizeof(DEVNAMES) + (current.size() + 2) * sizeof(wchar_t);
  HGLOBAL names = GlobalAlloc(GHND, namesSize);
  if (names) {
    auto* devNames = static_cast<DEVNAMES*>(GlobalLock(names));
    devNames->wDeviceOffset = sizeof(DEVNAMES) / sizeof(wchar_t);
    devNames->wDriverOffset = devNames->wOutputOffset = static_cast<WORD>(devNames->wDeviceOffset + current.size());
    current.copy(reinterpret_cast<wchar_t*>(devNames) + devNames->wDeviceOffset, current.size());
    GlobalUnlock(names);
    dialog.hDevNames = names;
  }
  const bool chosen = PrintDlgW(&dialog) != 0;
  std::u16string name;
  std::vector<unsigned char> mode;
  if (chosen && dialog.hDevNames) {
    const auto* devNames = static_cast<const DEVNAMES*>(GlobalLock(dialog.hDevNames));
    name = FromWide(reinterpret_cast<const wchar_t*>(devNames) + devNames->wDeviceOffset);
    GlobalUnlock(dialog.hDevNames);
  }
  if (chosen && dialog.hDevMode) {
    const auto* devMode = static_cast<const unsigned char*>(GlobalLock(dialog.hDevMode));
    const auto* header = reinterpret_cast<const DEVMODEW*>(devMode);
    mode.assign(devMode, devMode + header->dmSize + header->dmDriverExtra);
    GlobalUnlock(dialog.hDevMode);
  }
  if (dialog.hDevNames) GlobalFree(dialog.hDevNames);
  if (dialog.hDevMode) GlobalFree(dialog.hDevMode);
  if (!chosen || name.empty()) return false;  // cancelled: the current printer stays
  return Use(name, std::move(mode));
}

std::unique_ptr<PrintJob> Win32WindowPrinters::CreateJob() {
  if (name_.empty()) throw std::runtime_error(msg::kNoDefaultPrinter);
  HDC dc = CreatePrinterDc(name_, mode_);
  if (!dc) throw std::runtime_error(FormatMessage(msg::kPrintStartFailed, ToUtf8(name_)));
  return std::make_unique<GdiPrintJob>(dc, Wide(name_));
}

}  // namespace mirelo::win32
