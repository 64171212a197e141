// A device the page is drawn on: the preview bitmap, a printer, or a log.
// Coordinates are device dots; the page renderer maps millimetres first.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

#include "base/geometry.h"

namespace mirelo {

enum class BrushStyle { Solid, Clear };

class Canvas {
 public:
  virtual ~Canvas() = default;

  // Pen: always solid and black; only the width (dots) changes.
  virtual void SetPenWidth(int width) = 0;
  // Brush: solid in rgb (0xRRGGBB), or clear (hollow).
  virtual void SetBrush(BrushStyle style, std::uint32_t rgb) = 0;
  // Font: face name and point size only; read back as the device has it.
  virtual void SetFont(std::u16string_view faceName, int pointSize) = 0;
  virtual int FontPointSize() const = 0;
  virtual int FontHeight() const = 0;  // negative character height in dots

  // Text with the top-left of its character cell at (x, y), in opaque mode:
  // the cell is painted with the brush colour first.
  virtual void TextOut(int x, int y, std::u16string_view text) = 0;
  virtual void MoveTo(int x, int y) = 0;
  virtual void LineTo(int x, int y) = 0;
  virtual void Polyline(std::span<const DevicePt> points) = 0;
  // Outline with the pen; the inside filled with the brush unless it is clear.
  virtual void Rectangle(const DeviceRectangle& r) = 0;
  // Fills with the brush only, no outline; right and bottom edges excluded.
  virtual void FillRect(const DeviceRectangle& r) = 0;
  // Loads the named bitmap of the program's resources and draws it scaled
  // into r. Throws std::runtime_error when the bitmap cannot be loaded.
  virtual void StretchBitmap(std::string_view resourceName, const DeviceRectangle& r) = 0;

  // Device facts.
  virtual int LogPixelsX() const = 0;
  virtual int LogPixelsY() const = 0;
  virtual int PhysicalOffsetX() const = 0;  // unprintable margin, dots
  virtual int PhysicalOffsetY() const = 0;
};

}  // namespace mirelo
