// The Canvas on a GDI device context: the preview bitmap's (a DIB section)
// and a printer's. Pen, brush and fonts are made here and released when the
// canvas goes; the device context stays its owner's.
#pragma once

#include <map>
#include <string>

#include "platform/canvas.h"
#include "win32/gdi_fonts.h"
#include "win32/scoped_handles.h"
#include "win32/windows_api.h"

namespace mirelo::win32 {

class GdiCanvas : public Canvas {
 public:
  // At the device's own dots per inch (a printer's).
  explicit GdiCanvas(HDC dc);
  // At the given dots per inch: a memory device context reports the
  // system's, whatever the bitmap selected into it stands for.
  GdiCanvas(HDC dc, int dotsPerInchX, int dotsPerInchY);
  ~GdiCanvas() override;
  GdiCanvas(const GdiCanvas&) = delete;
  GdiCanvas& operator=(const GdiCanvas&) = delete;

  // A new canvas's pen (black, 1 dot) and brush (solid white) on the device
  // context again, as on a new page; the font stays.
  void Reset();

  void SetPenWidth(int width) override;
  void SetBrush(BrushStyle style, std::uint32_t rgb) override;
  void SetFont(std::u16string_view faceName, int pointSize) override;
  int FontPointSize() const override { return pointSize_; }
  int FontHeight() const override;
  void TextOut(int x, int y, std::u16string_view text) override;
  void MoveTo(int x, int y) override;
  void LineTo(int x, int y) override;
  void Polyline(std::span<const DevicePt> points) override;
  void Rectangle(const DeviceRectangle& r) override;
  void FillRect(const DeviceRectangle& r) override;
  void StretchBitmap(std::string_view resourceName, const DeviceRectangle& r) override;
  int LogPixelsX() const override { return dpiX_; }
  int LogPixelsY() const override { return dpiY_; }
  int PhysicalOffsetX() const override { return GetDeviceCaps(dc_, PHYSICALOFFSETX); }
  int PhysicalOffsetY() const override { return GetDeviceCaps(dc_, PHYSICALOFFSETY); }

 private:
  void SelectPen(HPEN pen);
  void SelectBrush(HBRUSH brush);

  HDC dc_;
  int dpiX_, dpiY_;
  int saved_;  // SaveDC's state, given back at the end
  GdiFonts fonts_;
  GdiObject<HPEN> pen_;
  GdiObject<HBRUSH> brush_;  // null for a clear brush
  bool clearBrush_ = false;
  COLORREF brushColour_ = RGB(255, 255, 255);
  int pointSize_ = 0;
};

}  // namespace mirelo::win32
