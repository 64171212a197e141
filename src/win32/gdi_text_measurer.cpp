#include "win32/gdi_text_measurer.h"

#include "render/device_mapping.h"
#include "win32/wide_text.h"

namespace mirelo::win32 {

// A memory device context measures as the preview bitmap's does: the fonts
// are made at the screen's dots per inch, and a width depends on nothing
// else.
GdiTextMeasurer::GdiTextMeasurer(int dotsPerInch, bool fastPrefixWidths)
    : dpi_(dotsPerInch),
      fast_(fastPrefixWidths),
      dc_(CreateCompatibleDC(nullptr)),
      fonts_(dotsPerInch) {
  firstFont_.emplace(dc_.Get(), fonts_.Get(u"", 10));
  pointSize_ = 10;
}

void GdiTextMeasurer::SetFont(std::u16string_view faceName, int pointSize) {
  SelectObject(dc_.Get(), fonts_.Get(faceName, pointSize));
  pointSize_ = pointSize;
}

int GdiTextMeasurer::FontHeight() const { return CharacterHeight(pointSize_, dpi_); }

int GdiTextMeasurer::TextWidth(std::u16string_view text) {
  if (text.empty()) return 0;
  SIZE size = {};
  const std::wstring wide = Wide(text);
  if (!GetTextExtentPoint32W(dc_.Get(), wide.c_str(), static_cast<int>(wide.size()), &size))
    return 0;
  return size.cx;
}

void GdiTextMeasurer::PrefixWidths(std::u16string_view text, std::vector<int>& widths) {
  if (!fast_ || text.size() < 2) {
    TextMeasurer::PrefixWidths(text, widths);
    return;
  }
  const std::wstring wide = Wide(text);
  widths.assign(text.size(), 0);
  SIZE size = {};
  if (!GetTextExtentExPointW(dc_.Get(), wide.c_str(), static_cast<int>(wide.size()), 0, nullptr,
                             widths.data(), &size)) {
    TextMeasurer::PrefixWidths(text, widths);
    return;
  }
  // The whole line exactly as TextWidth gives it.
  widths.back() = size.cx;
}

}  // namespace mirelo::win32
