#include "win32/gdi_canvas.h"

#include <stdexcept>
#include <string>
#include <vector>

#include "render/device_mapping.h"
#include "win32/page_bitmaps.h"
#include "win32/wide_text.h"

namespace mirelo::win32 {
namespace {

COLORREF ToColorRef(std::uint32_t rgb) {
  return RGB((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF);
}

RECT ToRect(const DeviceRectangle& r) { return RECT{r.Left, r.Top, r.Right, r.Bottom}; }

}  // namespace

GdiCanvas::GdiCanvas(HDC dc)
    : GdiCanvas(dc, GetDeviceCaps(dc, LOGPIXELSX), GetDeviceCaps(dc, LOGPIXELSY)) {}

GdiCanvas::GdiCanvas(HDC dc, int dotsPerInchX, int dotsPerInchY)
    : dc_(dc), dpiX_(dotsPerInchX), dpiY_(dotsPerInchY), saved_(SaveDC(dc)), fonts_(dotsPerInchY) {
  SetMapMode(dc_, MM_TEXT);
  SetTextAlign(dc_, TA_LEFT | TA_TOP | TA_NOUPDATECP);
  SetTextColor(dc_, RGB(0, 0, 0));
  SetStretchBltMode(dc_, COLORONCOLOR);
  Reset();
}

GdiCanvas::~GdiCanvas() {
  RestoreDC(dc_, saved_);  // puts the device's own pen, brush and font back
}

void GdiCanvas::Reset() {
  SetPenWidth(1);
  SetBrush(BrushStyle::Solid, 0xFFFFFF);
  SetTextColor(dc_, RGB(0, 0, 0));
  if (pointSize_ == 0) SetFont(u"", 10);
}

void GdiCanvas::SelectPen(HPEN pen) {
  SelectObject(dc_, pen);
  pen_.Reset(pen);  // the one it replaces is no longer selected
}

void GdiCanvas::SelectBrush(HBRUSH brush) {
  SelectObject(dc_, brush ? static_cast<HGDIOBJ>(brush) : GetStockObject(NULL_BRUSH));
  brush_.Reset(brush);
}

void GdiCanvas::SetPenWidth(int width) { SelectPen(CreatePen(PS_SOLID, width, RGB(0, 0, 0))); }

void GdiCanvas::SetBrush(BrushStyle style, std::uint32_t rgb) {
  brushColour_ = ToColorRef(rgb);
  clearBrush_ = style == BrushStyle::Clear;
  SelectBrush(clearBrush_ ? nullptr : CreateSolidBrush(brushColour_));
}

void GdiCanvas::SetFont(std::u16string_view faceName, int pointSize) {
  SelectObject(dc_, fonts_.Get(faceName, pointSize));
  pointSize_ = pointSize;
}

int GdiCanvas::FontHeight() const { return CharacterHeight(pointSize_, LogPixelsY()); }

void GdiCanvas::TextOut(int x, int y, std::u16string_view text) {
  // Opaque text: the cell is painted in the brush's colour first; a clear
  // brush leaves what is under the text.
  SetBkMode(dc_, clearBrush_ ? TRANSPARENT : OPAQUE);
  SetBkColor(dc_, brushColour_);
  const std::wstring wide = Wide(text);
  ExtTextOutW(dc_, x, y, 0, nullptr, wide.c_str(), static_cast<UINT>(wide.size()), nullptr);
}

void GdiCanvas::MoveTo(int x, int y) { MoveToEx(dc_, x, y, nullptr); }
void GdiCanvas::LineTo(int x, int y) { ::LineTo(dc_, x, y); }

void GdiCanvas::Polyline(std::span<const DevicePt> points) {
  if (points.empty()) return;
  std::vector<POINT> p;
  p.reserve(points.size());
  for (const DevicePt& d : points) p.push_back(POINT{d.x, d.y});
  ::Polyline(dc_, p.data(), static_cast<int>(p.size()));
  MoveToEx(dc_, p.back().x, p.back().y, nullptr);
}

void GdiCanvas::Rectangle(const DeviceRectangle& r) {
  ::Rectangle(dc_, r.Left, r.Top, r.Right, r.Bottom);
}

void GdiCanvas::FillRect(const DeviceRectangle& r) {
  if (clearBrush_) return;
  const RECT rect = ToRect(r);
  ::FillRect(dc_, &rect, brush_.Get());
}

void GdiCanvas::StretchBitmap(std::string_view resourceName, const DeviceRectangle& r) {
  const PageBitmap bitmap = FindPageBitmap(resourceName);
  if (!bitmap.info) throw std::runtime_error("bitmap not found: " + std::string(resourceName));
  if (StretchDIBits(dc_, r.Left, r.Top, r.Right - r.Left, r.Bottom - r.Top, 0, 0, bitmap.width,
                    bitmap.height, bitmap.bits, bitmap.info, DIB_RGB_COLORS,
                    SRCCOPY) == static_cast<int>(GDI_ERROR))
    throw std::runtime_error("bitmap not drawn: " + std::string(resourceName));
}

}  // namespace mirelo::win32
