#include "qt/qt_painter_canvas.h"

#include <QFontMetrics>
#include <QImage>
#include <QPolygon>
#include <QRect>
#include <QString>

#include <stdexcept>
#include <string>

#include "qt/qt_bitmaps.h"
#include "qt/qt_fonts.h"

namespace mirelo::qt {
namespace {

QString ToQString(std::u16string_view s) {
  return QString::fromUtf16(s.data(), static_cast<qsizetype>(s.size()));
}

QRect ToQRect(const DeviceRectangle& r) {
  return QRect(QPoint(r.Left, r.Top), QPoint(r.Right - 1, r.Bottom - 1));
}

}  // namespace

QtPainterCanvas::QtPainterCanvas(QPainter& painter, DeviceFacts facts)
    : painter_(painter), facts_(facts) {
  pen_.setCapStyle(Qt::RoundCap);
  pen_.setJoinStyle(Qt::RoundJoin);
  Reset();
}

void QtPainterCanvas::Reset() {
  // Device dots as the page's coordinates, and crisp rules as a printer
  // draws them.
  painter_.setRenderHint(QPainter::Antialiasing, false);
  painter_.setRenderHint(QPainter::TextAntialiasing, true);
  pen_.setColor(Qt::black);
  pen_.setWidth(1);
  brush_ = QBrush(Qt::white);
  painter_.setPen(pen_);
  painter_.setBrush(brush_);
  painter_.setFont(font_);
}

void QtPainterCanvas::SetPenWidth(int width) {
  pen_.setWidth(width);
  painter_.setPen(pen_);
}

void QtPainterCanvas::SetBrush(BrushStyle style, std::uint32_t rgb) {
  brush_ = style == BrushStyle::Solid ? QBrush(QColor::fromRgb(static_cast<QRgb>(rgb)))
                                      : QBrush(Qt::NoBrush);
  brush_.setColor(QColor::fromRgb(static_cast<QRgb>(rgb)));
  painter_.setBrush(brush_);
}

void QtPainterCanvas::SetFont(std::u16string_view faceName, int pointSize) {
  pointSize_ = pointSize;
  font_ = FormFont(faceName, pointSize);
  painter_.setFont(font_);
  metrics_.emplace(font_, painter_.device());
}

void QtPainterCanvas::TextOut(int x, int y, std::u16string_view text) {
  const QString s = ToQString(text);
  if (!metrics_) metrics_.emplace(font_, painter_.device());
  const QFontMetrics& metrics = *metrics_;
  // Opaque text: the character cell is painted with the brush colour first.
  if (brush_.style() != Qt::NoBrush)
    painter_.fillRect(QRect(x, y, metrics.horizontalAdvance(s), metrics.height()), brush_.color());
  painter_.drawText(QPoint(x, y + metrics.ascent()), s);
}

void QtPainterCanvas::LineTo(int x, int y) {
  painter_.drawLine(current_, QPoint(x, y));
  current_ = QPoint(x, y);
}

void QtPainterCanvas::Polyline(std::span<const DevicePt> points) {
  QPolygon polygon;
  for (const DevicePt& p : points) polygon << QPoint(p.x, p.y);
  painter_.drawPolyline(polygon);
  if (!points.empty()) current_ = QPoint(points.back().x, points.back().y);
}

void QtPainterCanvas::Rectangle(const DeviceRectangle& r) { painter_.drawRect(ToQRect(r)); }

void QtPainterCanvas::FillRect(const DeviceRectangle& r) {
  if (brush_.style() == Qt::NoBrush) return;
  painter_.fillRect(QRect(QPoint(r.Left, r.Top), QPoint(r.Right - 1, r.Bottom - 1)), brush_);
}

void QtPainterCanvas::StretchBitmap(std::string_view resourceName, const DeviceRectangle& r) {
  const QImage image = LoadPageBitmap(resourceName);
  if (image.isNull())
    throw std::runtime_error("bitmap resource missing: " + std::string(resourceName));
  painter_.drawImage(QRect(r.Left, r.Top, r.Right - r.Left, r.Bottom - r.Top), image);
}

}  // namespace mirelo::qt
