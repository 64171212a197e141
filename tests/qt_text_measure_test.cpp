// The Qt text measurement: the form's faces, the character height, widths as
// the preview bitmap gives them, and the fast prefix widths held to the
// widths of the prefixes measured alone.
#include <QFontInfo>
#include <QFontMetrics>
#include <QImage>
#include <QRawFont>

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <string>
#include <vector>

#include "base/text_encoding.h"
#include "layout/box_table.h"
#include "layout/line_breaking.h"
#include "qt/context_free_font.h"
#include "qt/qt_text.h"
#include "qt/qt_text_measurer.h"

namespace mirelo::qt {
namespace {

// Counts the prefixes measured one by one.
class CountingMeasurer : public QtTextMeasurer {
 public:
  using QtTextMeasurer::QtTextMeasurer;
  int TextWidth(std::u16string_view text) override {
    ++calls;
    return QtTextMeasurer::TextWidth(text);
  }
  int calls = 0;
};

TEST(QtTextMeasurerTest, FormFacesMapToIpaFontsAndInstalledFacesStayAsTheyAre) {
  QtTextMeasurer m(96);
  const struct {
    std::u16string_view face;
    const char* family;
  } cases[] = {
      {kFaceProportional, "IPAPGothic"},
      {kFaceFixed, "IPAGothic"},
      {u"DejaVu Sans", "DejaVu Sans"},
      {u"IPAGothic", "IPAGothic"},
  };
  for (const auto& c : cases) {
    m.SetFont(c.face, 9);
    EXPECT_EQ(QFontInfo(m.Font()).family(), QString::fromUtf8(c.family)) << ToUtf8(c.face);
  }
}

TEST(QtTextMeasurerTest, FontHeightIsTheCharacterHeightRoundedAwayFromZero) {
  const struct {
    int points, dpi, height;
  } cases[] = {
      {9, 96, -12}, {11, 96, -15}, {12, 600, -100},
      {8, 96, -11}, {13, 96, -17}, {9, 100, -13},  // 12.5
      {3, 60, -3},                                 // 2.5
  };
  for (const auto& c : cases) {
    QtTextMeasurer m(c.dpi);
    m.SetFont(kFaceProportional, c.points);
    EXPECT_EQ(m.FontHeight(), c.height) << c.points << " pt at " << c.dpi;
    EXPECT_EQ(m.FontPointSize(), c.points);
    EXPECT_EQ(m.DotsPerInch(), c.dpi);
  }
}

TEST(QtTextMeasurerTest, MeasuresAsTheA4PreviewBitmapAtItsDotsPerInch) {
  for (int dpi : {96, 120, 144}) {
    QtTextMeasurer m(dpi);
    QImage page(static_cast<int>(std::lround(210 / 25.4 * dpi)),
                static_cast<int>(std::lround(297 / 25.4 * dpi)), QImage::Format_RGB32);
    page.setDotsPerMeterX(static_cast<int>(std::lround(dpi / 0.0254)));
    page.setDotsPerMeterY(static_cast<int>(std::lround(dpi / 0.0254)));
    m.SetFont(kFaceProportional, 9);
    QFontMetrics onPage(m.Font(), &page);
    for (std::u16string_view text : {std::u16string_view(u"調査日"), std::u16string_view(u"Ab 12"),
                                     std::u16string_view(u"特記事項 (Walk) ｱｲｳ")})
      EXPECT_EQ(m.TextWidth(text), onPage.horizontalAdvance(ToQString(text))) << dpi;
  }
  // A full-width character of the 9-point face is 12 dots at 96 dpi.
  QtTextMeasurer m(96);
  m.SetFont(kFaceProportional, 9);
  EXPECT_EQ(m.TextWidth(u"日"), 12);
  EXPECT_EQ(m.TextWidth(u"日本語"), 36);
  EXPECT_EQ(m.TextWidth(u""), 0);
}

TEST(ContextFreeFontTest, IpaFontsShapeCharactersApartKerningFontsDoNot) {
  QtTextMeasurer m(96);
  const struct {
    std::u16string_view face;
    bool apart;
  } cases[] = {
      {kFaceProportional, true},
      {kFaceFixed, true},
      {u"DejaVu Sans", false},
      {u"DejaVu Serif", false},
  };
  for (const auto& c : cases) {
    m.SetFont(c.face, 10);
    const FontShaping shaping = ReadFontShaping(QRawFont::fromFont(m.Font()));
    EXPECT_EQ(shaping.apart, c.apart) << ToUtf8(c.face);
    if (c.apart) {
      // The composed kana and the tone letters are the ligatures of the IPA
      // fonts.
      EXPECT_TRUE(shaping.joinsPrevious.contains(0x3099));
      EXPECT_TRUE(shaping.joinsPrevious.contains(0x02E9));
      EXPECT_FALSE(shaping.joinsPrevious.contains(U'日'));
    }
  }
}

// Lines of mixed Japanese and Latin text: kerning pairs and ligatures of the
// Latin fonts, leading digits and punctuation, spaces of both widths, the
// TabMark, surrogate pairs, variation selectors and combining marks.
std::vector<std::u16string> Corpus() {
  const std::u16string pieces[] = {
      u"特記事項",   u"歩行",   u"は",   u"できる。",     u"、",           u"介助",     u"が必要",
      u"（",         u"）",     u"・",   u"ー",           u"ｱｲｳｴｵ",        u"１２",     u"3",
      u"-",          u"1.",     u" ",    u"　",           u"AV",           u"To",       u"Wa",
      u"Ty",         u"LT",     u"fi",   u"ffi",          u"office",       u"Yo",       u"P.",
      u"r,",         u"\u03C4", u"𠮷田", u"𩸽",           u"葛\U000E0100", u"辻\uFE00", u"か\u3099",
      u"e\u0301",    u"Äpfel",  u"ΑΒΓ",  u"Жж",           u"(walk)",       u"mm",       u"10:30",
      u"「見守り」", u"※",      u"℃",    u"\u02E5\u02E9", u"\u02E9"};
  std::mt19937 random(20240611);
  std::uniform_int_distribution<std::size_t> pick(0, std::size(pieces) - 1);
  std::uniform_int_distribution<int> count(1, 40);
  std::vector<std::u16string> lines = {u"AVAVAV To Wa", u"1. 歩行",    u"（１）見守り",
                                       u"   ",          u"ffi",        u"𠮷",
                                       u"123 ABC",      u"\u03C4続き", u"葛\U000E0100飾区"};
  for (int i = 0; i < 150; ++i) {
    std::u16string line;
    for (int j = count(random); j > 0; --j) line += pieces[pick(random)];
    lines.push_back(line.substr(0, kMaxLineLength));
  }
  return lines;
}

TEST(QtTextMeasurerTest, FastPrefixWidthsEqualThePrefixesMeasuredAlone) {
  const std::vector<std::u16string> corpus = Corpus();
  for (int dpi : {96, 120}) {
    QtTextMeasurer fast(dpi, true), reference(dpi, false);
    for (std::u16string_view face :
         {std::u16string_view(kFaceProportional), std::u16string_view(kFaceFixed),
          std::u16string_view(u"DejaVu Sans"), std::u16string_view(u"DejaVu Serif")}) {
      for (int points : {9, 13}) {
        fast.SetFont(face, points);
        reference.SetFont(face, points);
        std::vector<int> got, want;
        for (const std::u16string& line : corpus) {
          fast.PrefixWidths(line, got);
          reference.PrefixWidths(line, want);
          ASSERT_EQ(got, want) << ToUtf8(face) << " " << points << " pt at " << dpi << ": "
                               << ToUtf8(line);
        }
      }
    }
  }
}

// The shaped line alone is not enough: with kerning the width of "A" inside
// "AV" is not the width of "A". The fast widths must not take it.
TEST(QtTextMeasurerTest, KerningAcrossAPrefixEndIsNotTakenFromTheLine) {
  QtTextMeasurer m(96);
  m.SetFont(u"DejaVu Sans", 40);
  QImage device(1, 1, QImage::Format_RGB32);
  device.setDotsPerMeterX(3780);  // 96 dpi
  device.setDotsPerMeterY(3780);
  QTextLayout onDevice(QStringLiteral("AV"), m.Font(), &device);
  onDevice.beginLayout();
  QTextLine line = onDevice.createLine();
  line.setNumColumns(2);
  onDevice.endLayout();
  ASSERT_NE(qRound(line.cursorToX(1)), m.TextWidth(u"A")) << "the font kerns A and V";

  std::vector<int> widths;
  m.PrefixWidths(u"AV", widths);
  EXPECT_EQ(widths, (std::vector<int>{m.TextWidth(u"A"), m.TextWidth(u"AV")}));
}

// The default faces take the fast way for Japanese text: a long line costs a
// few separate measurements, not one per character.
TEST(QtTextMeasurerTest, JapaneseLinesInTheFormFacesAreMeasuredInOneLayout) {
  CountingMeasurer m(96);
  m.SetFont(kFaceProportional, 9);
  const std::u16string line =
      u"（１）歩行は見守りが必要。屋内では伝い歩きをしているが、屋外では杖を使用し、"
      u"介護者の付き添いがあれば１５分程度の散歩ができる。𠮷田さんの話ではABCの記録あり。";
  std::vector<int> widths;
  m.calls = 0;
  m.PrefixWidths(line, widths);
  EXPECT_LE(m.calls, 4) << "only the prefixes before the first character of a script of its own, "
                           "and the one inside the surrogate pair, are measured alone";
}

}  // namespace
}  // namespace mirelo::qt
