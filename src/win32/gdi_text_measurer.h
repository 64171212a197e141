// Text measurement as the preview bitmap's device context gives it: fonts
// at the screen's dots per inch, widths from GetTextExtentPoint32W.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/text_measurer.h"
#include "win32/gdi_fonts.h"
#include "win32/scoped_handles.h"
#include "win32/windows_api.h"

namespace mirelo::win32 {

class GdiTextMeasurer : public TextMeasurer {
 public:
  // With fastPrefixWidths off, PrefixWidths measures every prefix on its own
  // (the reference the fast way is held to).
  explicit GdiTextMeasurer(int dotsPerInch, bool fastPrefixWidths = true);
  GdiTextMeasurer(const GdiTextMeasurer&) = delete;
  GdiTextMeasurer& operator=(const GdiTextMeasurer&) = delete;

  void SetFont(std::u16string_view faceName, int pointSize) override;
  int FontPointSize() const override { return pointSize_; }
  int FontHeight() const override;
  int DotsPerInch() const override { return dpi_; }
  int TextWidth(std::u16string_view text) override;
  // GetTextExtentExPointW gives the extent at the end of every character of
  // a line in one call: the same sums of the same advances as each prefix
  // measured alone.
  void PrefixWidths(std::u16string_view text, std::vector<int>& widths) override;
  bool HasFastPrefixWidths() const override { return fast_; }

 private:
  int dpi_;
  bool fast_;
  // Gone in reverse: the DC's own font is selected again, then the fonts
  // made here are deleted, then the DC.
  OwnedDc dc_;
  GdiFonts fonts_;
  std::optional<SelectedObject> firstFont_;
  int pointSize_ = 0;
};

}  // namespace mirelo::win32
