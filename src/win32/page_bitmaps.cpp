#include "win32/page_bitmaps.h"

#include <cstdlib>

namespace mirelo::win32 {

PageBitmap FindPageBitmap(std::string_view name) {
  // Only the known names reach the resource lookup.
  const wchar_t* resource = nullptr;
  if (name == "imgQRCord") resource = L"IMGQRCORD";
  if (name == "imgRei") resource = L"IMGREI";
  if (!resource) return {};
  HRSRC found = FindResourceW(nullptr, resource, MAKEINTRESOURCEW(2) /* RT_BITMAP */);
  HGLOBAL loaded = found ? LoadResource(nullptr, found) : nullptr;
  const auto* info = loaded ? static_cast<const BITMAPINFO*>(LockResource(loaded)) : nullptr;
  if (!info || info->bmiHeader.biSize < sizeof(BITMAPINFOHEADER)) return {};
  const BITMAPINFOHEADER& h = info->bmiHeader;
  // The bits follow the header and the colour table.
  std::size_t colours = h.biClrUsed;
  if (colours == 0 && h.biBitCount <= 8) colours = std::size_t{1} << h.biBitCount;
  std::size_t offset = h.biSize + colours * sizeof(RGBQUAD);
  if (h.biCompression == BI_BITFIELDS && h.biSize == sizeof(BITMAPINFOHEADER))
    offset += 3 * sizeof(DWORD);
  PageBitmap bitmap;
  bitmap.info = info;
  bitmap.bits = reinterpret_cast<const unsigned char*>(info) + offset;
  bitmap.width = h.biWidth;
  bitmap.height = std::abs(h.biHeight);
  return bitmap;
}

}  // namespace mirelo::win32
