#include "win32/win32_printers.h"


#include <vector>

#include "win32/wide_text.h"

namespace mirelo::win32 {

std::vector<std::u16string> PrinterNames() {
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

std::optional<std::u16string> DefaultPrinterName() {
  DWORD size = 0;
  GetDefaultPrinterW(nullptr, &size);
  if (size == 0) return std::nullopt;
  std::wstring name(size, L'\0');
  if (!GetDefaultPrinterW(name.data(), &size)) return std::nullopt;
  name.resize(wcslen(name.c_str()));
  if (name.empty()) return std::nullopt;
  return FromWide(name);
}

OwnedDc CreatePrinterDc(std::u16string_view name, const std::vector<unsigned char>& chosenMode) {
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
      if (DocumentPropertiesW(nullptr, printer.Get(), wide.data(), reinterpret_cast<DEVMODEW*>(buffer.data()),
                              nullptr, DM_OUT_BUFFER) == IDOK)
        mode = reinterpret_cast<DEVMODEW*>(buffer.data());
    }
  }
  if (mode) {
    mode->dmFields |= DM_PAPERSIZE | DM_ORIENTATION;
    mode->dmPaperSize = DMPAPER_A4;
    mode->dmOrientation = DMORIENT_PORTRAIT;
    DocumentPropertiesW(nullptr, printer.Get(), wide.data(), mode, mode, DM_IN_BUFFER | DM_OUT_BUFFER);
  }
  return OwnedDc(CreateDCW(L"WINSPOOL", wide.c_str(), nullptr, mode));
}

}  // namespace mirelo::win32
