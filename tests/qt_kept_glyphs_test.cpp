// What the Qt adapters keep between calls changes nothing they give: the
// measurer answers a text measured before (or a prefix of one) with the
// widths measured alone, in the font set at the time; the canvas draws a
// text from its kept glyph runs with the pixels and the PDF text that
// QPainter::drawText gives it.
#include <QImage>
#include <QPainter>
#include <QPrinter>
#include <QString>

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "base/text_encoding.h"
#include "layout/box_table.h"
#include "layout/kept_widths_measurer.h"
#include "posix_test_support.h"
#include "qt/qt_fonts.h"
#include "qt/qt_painter_canvas.h"
#include "qt/qt_text.h"
#include "qt/qt_text_measurer.h"
#include "test_support.h"

namespace mirelo::qt {
namespace {

namespace fs = std::filesystem;

TEST(KeptMeasures, TextsAndTheirPrefixesMeasuredAgainKeepTheirWidthsInEveryFont) {
  const std::vector<std::u16string> texts = {
      u"(1)\u03C4歩行は見守りが必要で、屋内では伝い歩きをしているが、屋外では杖を使用している。",
      u"\u03C4認知症の診断あり（HDS-R 18点）。日時の見当識に低下がみられる。",
      u"AVAVAV office ﬁnal Wolf Type",  // kerning and ligatures in DejaVu
      u"葛\U000E0100飾区でか\u3099いしょく。𠮷",
  };
  const struct {
    std::u16string_view face;
    int points;
  } fonts[] = {
      {kFaceProportional, 9}, {u"DejaVu Sans", 13}, {kFaceFixed, 9}, {kFaceProportional, 13}};

  // As line breaking does, the measurer first measures the texts without
  // their last units (all but the last character, or more), in every font;
  // then it is asked for whole texts and their prefixes.
  for (std::size_t dropped : {1, 2, 5}) {
    KeptWidthsMeasurer kept(std::make_unique<QtTextMeasurer>(96));
    for (const auto& font : fonts) {
      kept.SetFont(font.face, font.points);
      std::vector<int> widths;
      for (const std::u16string& text : texts)
        kept.PrefixWidths(std::u16string_view(text).substr(0, text.size() - dropped), widths);
    }
    for (int round = 0; round < 2; ++round) {
      for (const auto& font : fonts) {
        QtTextMeasurer reference(96, false);
        reference.SetFont(font.face, font.points);
        kept.SetFont(font.face, font.points);
        for (const std::u16string& text : texts) {
          for (std::size_t n :
               {text.size(), text.size() - 1, std::size_t{9}, std::size_t{8}, std::size_t{3}}) {
            const std::u16string_view prefix = std::u16string_view(text).substr(0, n);
            std::vector<int> got, want;
            kept.PrefixWidths(prefix, got);
            reference.PrefixWidths(prefix, want);
            EXPECT_EQ(got, want) << ToUtf8(font.face) << " " << font.points << " pt, " << dropped
                                 << " dropped: " << ToUtf8(prefix);
            EXPECT_EQ(kept.TextWidth(prefix), reference.TextWidth(prefix)) << ToUtf8(prefix);
          }
        }
      }
    }
  }
}

// Characters that shape one by one, that a font joins or composes, that
// come from a fallback font, that are written right to left, and a space.
const std::u16string_view kTexts[] = {
    u"歩", u"、",     u"Ａ",     u"g",      u"f", u"ﬁ",      u"か\u3099", u"葛\U000E0100",
    u"𠮷", u"\u2603", u"\u05D0", u"\u0628", u" ", u"\uFFFD", u"AV"};

// The texts at overlapping and at separate positions, in a few fonts, each
// twice, so the second is drawn from what the canvas kept. The reference
// paints each cell and draws the text as the canvas did before it kept
// anything.
void DrawAll(QPainter& painter, bool reference, int scale) {
  QtPainterCanvas canvas(painter, DeviceFacts{96 * scale, 96 * scale, 0, 0});
  const struct {
    std::u16string_view face;
    int points;
  } fonts[] = {{kFaceProportional, 9}, {u"DejaVu Sans", 13}, {kFaceFixed, 60}};
  int y = 4 * scale;
  for (const auto& font : fonts) {
    canvas.SetFont(font.face, font.points);
    const QFont qfont = FormFont(font.face, font.points);
    painter.setFont(qfont);
    const QFontMetrics metrics(qfont, painter.device());
    for (int pass = 0; pass < 2; ++pass) {
      int x = 4 * scale;
      for (std::u16string_view text : kTexts) {
        if (reference) {
          const QString s = ToQString(text);
          painter.fillRect(QRect(x, y, metrics.horizontalAdvance(s), metrics.height()), Qt::white);
          painter.drawText(QPoint(x, y + metrics.ascent()), s);
        } else {
          canvas.TextOut(x, y, text);
        }
        x += (pass == 0 ? 3 : 9) * scale * font.points / 9;  // overlapping cells, then apart
      }
      y += metrics.height() + 2 * scale;
    }
  }
}

QImage Drawn(bool reference) {
  QImage image(700, 400, QImage::Format_RGB32);
  image.setDotsPerMeterX(3780);
  image.setDotsPerMeterY(3780);
  image.fill(Qt::white);
  QPainter painter(&image);
  painter.setPen(Qt::black);
  painter.setRenderHint(QPainter::TextAntialiasing, true);
  DrawAll(painter, reference, 1);
  painter.end();
  return image;
}

TEST(KeptGlyphs, TextDrawnFromKeptGlyphRunsHasThePixelsOfDrawText) {
  const QImage kept = Drawn(false), reference = Drawn(true);
  ASSERT_EQ(kept.size(), reference.size());
  int differing = 0;
  for (int y = 0; y < kept.height(); ++y)
    for (int x = 0; x < kept.width(); ++x) differing += kept.pixel(x, y) != reference.pixel(x, y);
  EXPECT_EQ(differing, 0);
}

void WritePdf(const fs::path& path, bool reference) {
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(QString::fromStdString(path.string()));
  printer.setResolution(600);
  printer.setFullPage(true);
  QPainter painter(&printer);
  painter.setPen(Qt::black);
  DrawAll(painter, reference, 6);
  painter.end();
}

TEST(KeptGlyphs, PdfFromKeptGlyphRunsHasTheTextAndRenderingOfDrawText) {
  test::TempDir dir;
  WritePdf(dir / "kept.pdf", false);
  WritePdf(dir / "reference.pdf", true);
  for (const char* name : {"kept", "reference"}) {
    const std::string pdf = (dir / (std::string(name) + ".pdf")).string();
    ASSERT_EQ(test::RunTool({"pdftotext", "-raw", pdf, (dir / name).string() + ".txt"}, dir.path())
                  .status,
              0);
    ASSERT_EQ(
        test::RunTool({"pdftoppm", "-r", "150", "-gray", "-singlefile", pdf, (dir / name).string()},
                      dir.path())
            .status,
        0);
  }
  const std::string text = test::ReadBytes(dir / "kept.txt");
  EXPECT_NE(text.find("歩"), std::string::npos) << text;  // text, not outlines
  EXPECT_EQ(text, test::ReadBytes(dir / "reference.txt"));
  EXPECT_TRUE(test::ReadBytes(dir / "kept.pgm") == test::ReadBytes(dir / "reference.pgm"))
      << "the rendered pages differ";
}

}  // namespace
}  // namespace mirelo::qt
