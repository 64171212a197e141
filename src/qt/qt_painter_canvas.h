// The Canvas on a QPainter: the preview bitmap (QImage) and the printer
// (QPrinter, also as PDF) both draw through it.
#pragma once

#include <QBrush>
#include <QFont>
#include <QGlyphRun>
#include <QImage>
#include <QPainter>
#include <QPen>
#include <QPoint>

#include <map>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

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
  // A text as this device draws it in one font: the glyphs that QPainter's
  // text layout gives it, placed from the start of its baseline, and the
  // width of its cell.
  struct DrawnText {
    std::vector<QGlyphRun> runs;
    int advance = 0;
  };
  // One face and size on this device, made once and kept with the texts
  // drawn in it, so that a character drawn again is not laid out again.
  struct CanvasFont {
    QFont font;
    int ascent = 0;
    int height = 0;
    std::unordered_map<std::u16string, DrawnText> texts;
  };

  CanvasFont& FontFor(std::u16string_view faceName, int pointSize);
  const DrawnText& Drawn(std::u16string_view text);
  const QImage& Bitmap(std::string_view resourceName);
  // The painter's brush as the canvas's brush, for the calls that paint
  // with it; text paints its cells with the brush's colour and leaves the
  // painter without a brush (see TextOut).
  void UseBrush();

  QPainter& painter_;
  DeviceFacts facts_;
  QPen pen_;
  QBrush brush_;
  bool painterHasBrush_ = false;  // the painter's brush is brush_, else none
  std::map<std::pair<std::u16string, int>, CanvasFont> fonts_;
  CanvasFont* font_ = nullptr;  // the font set last
  int pointSize_ = 0;
  QPoint current_;
  // The page bitmaps, loaded once: a PDF then holds each image once and
  // every page refers to it.
  std::map<std::string, QImage, std::less<>> bitmaps_;
};

}  // namespace mirelo::qt
