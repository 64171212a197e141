#include "qt/qt_painter_canvas.h"

#include <QFontMetrics>
#include <QImage>
#include <QPolygon>
#include <QRect>
#include <QString>
#include <QTextLayout>
#include <QTextOption>

#include <climits>
#include <stdexcept>
#include <string>

#include "qt/qt_bitmaps.h"
#include "qt/qt_fonts.h"
#include "qt/qt_text.h"

namespace mirelo::qt {
namespace {

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
  painterHasBrush_ = true;
  painter_.setFont(font_ ? font_->font : QFont());
}

void QtPainterCanvas::UseBrush() {
  if (painterHasBrush_) return;
  painter_.setBrush(brush_);
  painterHasBrush_ = true;
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
  painterHasBrush_ = true;
}

QtPainterCanvas::CanvasFont& QtPainterCanvas::FontFor(std::u16string_view faceName, int pointSize) {
  const auto key = std::make_pair(std::u16string(faceName), pointSize);
  auto it = fonts_.find(key);
  if (it == fonts_.end()) {
    CanvasFont made;
    made.font = FormFont(faceName, pointSize);
    const QFontMetrics metrics(made.font, painter_.device());
    made.ascent = metrics.ascent();
    made.height = metrics.height();
    it = fonts_.emplace(key, std::move(made)).first;
  }
  return it->second;
}

void QtPainterCanvas::SetFont(std::u16string_view faceName, int pointSize) {
  pointSize_ = pointSize;
  font_ = &FontFor(faceName, pointSize);
  painter_.setFont(font_->font);
}

// The glyphs of a text exactly as QPainter::drawText lays them out: the
// painter's font on this device, left to right, one line. Drawing them as
// glyph runs gives the same pixels and the same PDF text, without shaping
// the text again at every call.
const QtPainterCanvas::DrawnText& QtPainterCanvas::Drawn(std::u16string_view text) {
  if (!font_) {
    // Text before any SetFont: the painter's own font, as QPainter has it.
    auto [it, made] = fonts_.try_emplace(std::make_pair(std::u16string(), INT_MIN));
    if (made) {
      it->second.font = painter_.font();
      const QFontMetrics metrics(it->second.font, painter_.device());
      it->second.ascent = metrics.ascent();
      it->second.height = metrics.height();
    }
    font_ = &it->second;
  }
  auto it = font_->texts.find(std::u16string(text));
  if (it != font_->texts.end()) return it->second;

  const QString s = ToQString(text);
  DrawnText drawn;
  drawn.advance = QFontMetrics(font_->font, painter_.device()).horizontalAdvance(s);
  QTextLayout layout(s, painter_.font(), painter_.device());
  // Keep the shaped glyphs after the line is laid out; otherwise asking for
  // glyph runs or positions shapes the text again.
  layout.setCacheEnabled(true);
  QTextOption option;
  option.setWrapMode(QTextOption::NoWrap);
  option.setTextDirection(painter_.layoutDirection());
  layout.setTextOption(option);
  layout.beginLayout();
  QTextLine line = layout.createLine();
  line.setNumColumns(static_cast<int>(s.size()));
  layout.endLayout();
  // From the line's baseline start to the baseline start of the call.
  const QPointF origin(line.x(), line.y() + line.ascent());
  for (QGlyphRun run : layout.glyphRuns()) {
    QList<QPointF> positions = run.positions();
    for (QPointF& p : positions) p -= origin;
    run.setPositions(positions);
    drawn.runs.push_back(std::move(run));
  }
  return font_->texts.emplace(std::u16string(text), std::move(drawn)).first->second;
}

void QtPainterCanvas::TextOut(int x, int y, std::u16string_view text) {
  const DrawnText& drawn = Drawn(text);
  // Glyphs are painted with the pen alone. Without a brush on the painter,
  // a PDF page does not set the brush's colour again around every
  // character's cell fill (the fill below brings its own colour), which is
  // most of what a character costs; what is painted is the same.
  if (painterHasBrush_) {
    painter_.setBrush(Qt::NoBrush);
    painterHasBrush_ = false;
  }
  // Opaque text: the character cell is painted with the brush colour first.
  if (brush_.style() != Qt::NoBrush)
    painter_.fillRect(QRect(x, y, drawn.advance, font_->height), brush_.color());
  const QPointF baseline(x, y + font_->ascent);
  for (const QGlyphRun& run : drawn.runs) painter_.drawGlyphRun(baseline, run);
}

void QtPainterCanvas::LineTo(int x, int y) {
  UseBrush();
  painter_.drawLine(current_, QPoint(x, y));
  current_ = QPoint(x, y);
}

void QtPainterCanvas::Polyline(std::span<const DevicePt> points) {
  UseBrush();
  QPolygon polygon;
  for (const DevicePt& p : points) polygon << QPoint(p.x, p.y);
  painter_.drawPolyline(polygon);
  if (!points.empty()) current_ = QPoint(points.back().x, points.back().y);
}

void QtPainterCanvas::Rectangle(const DeviceRectangle& r) {
  UseBrush();
  painter_.drawRect(ToQRect(r));
}

void QtPainterCanvas::FillRect(const DeviceRectangle& r) {
  if (brush_.style() == Qt::NoBrush) return;
  UseBrush();
  painter_.fillRect(QRect(QPoint(r.Left, r.Top), QPoint(r.Right - 1, r.Bottom - 1)), brush_);
}

const QImage& QtPainterCanvas::Bitmap(std::string_view resourceName) {
  auto it = bitmaps_.find(resourceName);
  if (it == bitmaps_.end()) {
    QImage image = LoadPageBitmap(resourceName);
    if (image.isNull())
      throw std::runtime_error("bitmap resource missing: " + std::string(resourceName));
    it = bitmaps_.emplace(std::string(resourceName), std::move(image)).first;
  }
  return it->second;
}

void QtPainterCanvas::StretchBitmap(std::string_view resourceName, const DeviceRectangle& r) {
  UseBrush();
  painter_.drawImage(QRect(r.Left, r.Top, r.Right - r.Left, r.Bottom - r.Top),
                     Bitmap(resourceName));
}

}  // namespace mirelo::qt
