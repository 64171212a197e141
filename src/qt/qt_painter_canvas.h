// The Canvas on a QPainter: the preview bitmap (QImage) and the printer
// (QPrinter, also as PDF) both draw through it.
#pragma once

#include <QBrush>
#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QPen>
#include <QPoint>

#include <optional>

#include "platform/canvas.h"
#include "render/device_mapping.h"
#include "render/recording_canvas.h"

namespace mirelo::qt {

class QtPainterCanvas : public Canvas {
 public:
  // The painter must be active on its device; facts are that device's.
  QtPainterCanvas(QPainter& painter, DeviceFacts facts);

  // A new canvas's pen and brush on the (possibly restarted) painter; the
  // font stays.
  void Reset();

  void SetPenWidth(int width) override;
  void SetBrush(BrushStyle style, std::uint32_t rgb) override;
  void SetFont(std::u16string_view faceName, int pointSize) override;
  int FontPointSize() const override { return pointSize_; }
  int FontHeight() const override { return CharacterHeight(pointSize_, facts_.logPixelsY); }
  void TextOut(int x, int y, std::u16string_view text) override;
  void MoveTo(int x, int y) override { current_ = QPoint(x, y); }
  void LineTo(int x, int y) override;
  void Polyline(std::span<const DevicePt> points) override;
  void Rectangle(const DeviceRectangle& r) override;
  void FillRect(const DeviceRectangle& r) override;
  void StretchBitmap(std::string_view resourceName, const DeviceRectangle& r) override;
  int LogPixelsX() const override { return facts_.logPixelsX; }
  int LogPixelsY() const override { return facts_.logPixelsY; }
  int PhysicalOffsetX() const override { return facts_.physicalOffsetX; }
  int PhysicalOffsetY() const override { return facts_.physicalOffsetY; }

 private:
  QPainter& painter_;
  DeviceFacts facts_;
  QPen pen_;
  QBrush brush_;
  QFont font_;
  std::optional<QFontMetrics> metrics_;  // of font_ on this device, for every text cell
  int pointSize_ = 0;
  QPoint current_;
};

}  // namespace mirelo::qt
