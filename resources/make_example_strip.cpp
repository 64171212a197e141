// Build tool: writes the entry-example strip printed at the foot of the form.
//   make_example_strip OUT.bmp
// The page stretches the 577 x 42 pixel image into 140 x 9 mm, so it is drawn
// in those millimetres and scaled per axis here; the stretch then undoes the
// unequal scales and the shapes come out true on paper.
#include <cstdint>
#include <cstdio>
#include <exception>

#include <QFont>
#include <QFontInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QString>

#include "bmp_writer.h"
#include "example_strip_layout.h"
#include "render/digit_strokes.h"

namespace {

using namespace example_strip;

constexpr double kOutlinePenMm = 0.3;
constexpr double kStrokePenMm = 0.5;
constexpr double kGuideDotRadiusMm = 0.28;

QPointF GridPoint(int sample, mirelo::GlyphPoint p) {
  return {GridXMm(sample, p.column), GridYMm(p.row)};
}

void DrawSampleBox(QPainter& painter, int sample, const mirelo::Glyph& glyph) {
  using mirelo::GlyphColumn;
  using mirelo::GlyphRow;
  painter.setPen(Qt::NoPen);
  painter.setBrush(Qt::black);
  for (GlyphColumn c : {GlyphColumn::L, GlyphColumn::R}) {
    for (GlyphRow r : {GlyphRow::T, GlyphRow::M, GlyphRow::B}) {
      painter.drawEllipse(GridPoint(sample, {c, r}), kGuideDotRadiusMm, kGuideDotRadiusMm);
    }
  }
  painter.setBrush(Qt::NoBrush);
  painter.setPen(QPen(Qt::black, kStrokePenMm, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
  for (const mirelo::GlyphStroke& stroke : glyph.Strokes()) {
    QPolygonF line;
    for (const mirelo::GlyphPoint& p : stroke.Points()) line << GridPoint(sample, p);
    painter.drawPolyline(line);
  }
  painter.setPen(QPen(Qt::black, kOutlinePenMm, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
  painter.drawRect(QRectF(BoxLeftMm(sample), kBoxTopMm, kBoxWidthMm, kBoxHeightMm));
}

void DrawWords(QPainter& painter) {
  QFont font(QStringLiteral("IPAGothic"));
  font.setPixelSize(200);
  QPainterPath path;
  path.addText(0, 0, font, QStringLiteral("記入例"));
  QRectF box = path.boundingRect();
  double scale = kWordsHeightMm / box.height();
  QTransform place;
  place.translate(kWordsLeftMm, (kHeightMm - kWordsHeightMm) / 2);
  place.scale(scale, scale);
  place.translate(-box.left(), -box.top());
  painter.setPen(Qt::NoPen);
  painter.setBrush(Qt::black);
  painter.drawPath(place.map(path));
}

void DrawMarkBoxes(QPainter& painter) {
  const double top = (kHeightMm - kMarkBoxSizeMm) / 2;
  const double inset = 0.8;
  painter.setBrush(Qt::NoBrush);
  painter.setPen(QPen(Qt::black, kOutlinePenMm, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
  painter.drawRect(QRectF(kCrossedBoxLeftMm, top, kMarkBoxSizeMm, kMarkBoxSizeMm));
  painter.drawRect(QRectF(kTickedBoxLeftMm, top, kMarkBoxSizeMm, kMarkBoxSizeMm));

  painter.setPen(QPen(Qt::black, kStrokePenMm, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  const double l = kCrossedBoxLeftMm + inset, r = kCrossedBoxLeftMm + kMarkBoxSizeMm - inset;
  const double t = top + inset, b = top + kMarkBoxSizeMm - inset;
  painter.drawLine(QPointF(l, t), QPointF(r, b));
  painter.drawLine(QPointF(l, b), QPointF(r, t));

  const double x = kTickedBoxLeftMm;
  QPolygonF tick;
  tick << QPointF(x + inset, top + kMarkBoxSizeMm * 0.5) << QPointF(x + kMarkBoxSizeMm * 0.42, b)
       << QPointF(x + kMarkBoxSizeMm - inset, t);
  painter.drawPolyline(tick);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: make_example_strip OUT.bmp\n");
    return 2;
  }
  // A build step has no display.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  int qtArgc = 1;
  QGuiApplication app(qtArgc, argv);

  QFont probe(QStringLiteral("IPAGothic"));
  if (QFontInfo(probe).family() != QStringLiteral("IPAGothic")) {
    std::fprintf(stderr,
                 "make_example_strip: the font IPAGothic is not installed "
                 "(Debian package fonts-ipafont-gothic)\n");
    return 1;
  }

  QImage image(kWidthPx, kHeightPx, QImage::Format_RGB32);
  image.fill(Qt::white);
  {
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(kWidthPx / kWidthMm, kHeightPx / kHeightMm);
    DrawWords(painter);

    using mirelo::kDigitGlyphs;
    // The printed shapes, and beside the one, six and nine the variant a
    // writer may also use.
    const mirelo::Glyph samples[kSampleCount] = {
        kDigitGlyphs[0],           mirelo::kOneOnLeftGlyph, kDigitGlyphs[1], kDigitGlyphs[2],
        kDigitGlyphs[3],           kDigitGlyphs[4],         kDigitGlyphs[5], kDigitGlyphs[6],
        mirelo::kSixWithBarGlyph,  kDigitGlyphs[7],         kDigitGlyphs[8], kDigitGlyphs[9],
        mirelo::kNineWithBarGlyph,
    };
    for (int i = 0; i < kSampleCount; ++i) DrawSampleBox(painter, i, samples[i]);
    DrawMarkBoxes(painter);
  }

  try {
    bmp::Write24Bit(argv[1], kWidthPx, kHeightPx, [&](int x, int y) {
      QRgb c = image.pixel(x, y);
      return bmp::Rgb{static_cast<std::uint8_t>(qRed(c)), static_cast<std::uint8_t>(qGreen(c)),
                      static_cast<std::uint8_t>(qBlue(c))};
    });
  } catch (const std::exception& e) {
    std::fprintf(stderr, "make_example_strip: %s\n", e.what());
    return 1;
  }
  return 0;
}
