// Line breaking: forced breaks, breaks by width and by length, the
// characters that never split, and that no character of a text is lost.
#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "data/settings.h"
#include "fake_text_measurer.h"
#include "layout/box_table.h"
#include "layout/line_breaking.h"
#include "layout/text_clusters.h"
#include "test_support.h"

namespace mirelo {
namespace {

using Lines = std::vector<std::u16string>;
constexpr char16_t T = kTabMark;

std::string Show(const Lines& lines) {
  std::string out;
  for (const auto& line : lines) {
    out += "[";
    for (char16_t c : line) {
      if (c == kTabMark)
        out += "τ";
      else if (c < 0x80)
        out += static_cast<char>(c);
      else
        out += "<" + std::to_string(int(c)) + ">";
    }
    out += "]";
  }
  return out;
}

// A box of the given inner width and tab position, in mm; the fake measures
// in dots and one dot is one mm.
Lines Fill(std::u16string_view text, double width, double tabPos,
           test::FakeTextMeasurer* measurer = nullptr) {
  BoxTable boxes;
  InitBoxTable(boxes);
  LayoutBox& box = boxes[3];
  box.Left = 0;
  box.Right = width;
  box.TabPos = tabPos;
  test::FakeTextMeasurer own;
  FillBox(boxes, 3, text, measurer ? *measurer : own, 1.0);
  return box.LineList;
}

std::u16string Units(std::size_t n, char16_t c = u'z') { return std::u16string(n, c); }

TEST(TextClustersTest, PairsAndSelectorsAreOneCharacter) {
  const struct {
    std::u16string text;
    std::size_t start, end;  // the character that holds each unit in [start, end)
  } cases[] = {
      {u"A𠮷B", 0, 1},
      {u"A𠮷B", 1, 3},
      {u"A𠮷B", 3, 4},
      {u"葛󠄀︀x", 0, 4},
      {u"葛󠄀︀x", 4, 5},
      {u"τ︀", 0, 1},
      {u"τ︀", 1, 2},  // the line's marks take no selector
      {u"AØ42"
       u"B",
       1, 2},  // a lone half stays one unit
      {u"Ü00"
       u"A",
       0, 1},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ClusterEnd(c.text, c.start), c.end) << c.start;
    for (std::size_t unit = c.start; unit < c.end; ++unit)
      EXPECT_EQ(ClusterStart(c.text, unit), c.start) << unit;
  }
}

TEST(FillBoxTest, BreaksAsTheTableSays) {
  const std::u16string z126 = Units(126);
  const struct {
    const char* name;
    std::u16string text;
    double tabPos;
    Lines lines;
  } cases[] = {
      {"forced break, TabPos 0", u"AB[改行]CD", 0, {u"AB", u"CD"}},
      {"forced break, TabPos 15", u"AB[改行]CD", 15, {u"AB", u"τCD"}},
      {"two forced breaks, TabPos 0", u"AB[改行][改行]CD", 0, {u"AB", u"CD"}},
      {"two forced breaks, TabPos 15", u"AB[改行][改行]CD", 15, {u"AB", u"τ", u"τCD"}},
      {"ends with a forced break", u"AB[改行]", 15, {u"AB"}},
      {"begins with a forced break, TabPos 0", u"[改行]AB", 0, {u"AB"}},
      {"begins with a forced break, TabPos 15", u"[改行]AB", 15, {u"τAB"}},
      {"group spacing keeps its blank line", u"AB[改行]　", 15, {u"AB", u"τ　"}},
      {"other bracketed text stays", u"A[改]B", 0, {u"A[改]B"}},
      {"a character ending exactly at the width stays", u"ABCDEFG", 0, {u"ABCDE", u"τFG"}},
      {"the last character is never width-tested", u"ABCDEF", 0, {u"ABCDEF"}},
      {"ends trimmed, the ideographic space kept", u" \t\r\nAB　\r\n ", 0, {u"AB　"}},
      {"blank text adds nothing", u" \r\n\t ", 0, {}},
      {"empty text adds nothing", u"", 0, {}},
      {"127 units that fit end the line", Units(200), 0, {Units(127), T + Units(73)}},
      {"a pair that would cross 127 goes on", z126 + u"𠮷zz", 0, {z126, u"τ𠮷zz"}},
      {"a selector stays with its base at 127", z126 + u"葛\uFE00z", 0, {z126, u"τ葛\uFE00z"}},
      {"a forced break right after 127 units", Units(127) + u"[改行]AB", 0, {Units(127), u"AB"}},
  };
  for (const auto& c : cases) {
    // 'z' takes no room, so only the length limit breaks those texts.
    test::FakeTextMeasurer m;
    m.widths[U'z'] = 0;
    m.widths[U'　'] = 10;
    m.widths[T] = 5;
    EXPECT_EQ(Show(Fill(c.text, 50, c.tabPos, &m)), Show(c.lines)) << c.name;
    EXPECT_EQ(m.halfPairMeasurements, 0) << c.name;
  }
}

TEST(FillBoxTest, BreaksByWidthAfterTheTabMarkShift) {
  test::FakeTextMeasurer m;
  m.widths[T] = 5;
  // "A" ends at 10, the TabMark at 15, so the text after it starts at 20:
  // Shift is 5, and "D" ends at 45 = 50 - 5 and stays.
  EXPECT_EQ(Show(Fill(u"AτBCDEF", 50, 20, &m)), Show({u"AτBCD", u"τEF"}));
  // With TabPos 0 the TabMark takes no room: its Shift cancels its width.
  EXPECT_EQ(Show(Fill(u"ABCDEFGHIJKL", 50, 0, &m)), Show({u"ABCDE", u"τFGHIJ", u"τKL"}));
}

TEST(FillBoxTest, ACharacterWiderThanTheBoxGoesOnALineOfItsOwn) {
  const struct {
    const char* name;
    std::u16string text;
    double width, tabPos;
    Lines lines;
  } cases[] = {
      {"every character wider than the box", u"ABC", 5, 0, {u"A", u"τB", u"τC"}},
      {"a wide one among narrow ones", u"ABWCD", 30, 0, {u"AB", u"τW", u"τCD"}},
      {"a wide pair", u"A𠮷B", 15, 0, {u"A", u"τ𠮷", u"τB"}},
  };
  for (const auto& c : cases) {
    test::FakeTextMeasurer m;
    m.widths[T] = 5;
    m.widths[U'W'] = 100;
    m.widths[U'𠮷'] = 20;
    EXPECT_EQ(Show(Fill(c.text, c.width, c.tabPos, &m)), Show(c.lines)) << c.name;
    EXPECT_EQ(m.halfPairMeasurements, 0) << c.name;
  }
}

TEST(FillBoxTest, ATabPosOutsideTheBoxCountsAsTheDefaultNumberColumn) {
  const std::u16string text = u"( 1 - 1 )τ見守りが必要。τ[改行]τ歩行は自立。";
  for (double tabPos : {-1.0, 60.0, 1e300, std::nan("")}) {
    test::FakeTextMeasurer m, d;
    EXPECT_EQ(Show(Fill(text, 60, tabPos, &m)), Show(Fill(text, 60, kDefaultNotesTabLen, &d)))
        << tabPos;
  }
}

TEST(FillBoxTest, ASurrogatePairIsNeverSplitByWidth) {
  test::FakeTextMeasurer m;
  m.widths[U'𠮷'] = 20;
  // The pair would end at 60 > 50: it moves to the next line whole.
  EXPECT_EQ(Show(Fill(u"ABCD𠮷E", 50, 0, &m)), Show({u"ABCD", u"τ𠮷E"}));
  // A measurement of the first half alone (999 dots) would have broken
  // before it.
  EXPECT_EQ(Show(Fill(u"ABC𠮷DE", 50, 0, &m)), Show({u"ABC𠮷", u"τDE"}));
  EXPECT_EQ(m.halfPairMeasurements, 0);
}

TEST(FillBoxTest, AppendsAndSetsTheBoxFont) {
  BoxTable boxes;
  InitBoxTable(boxes);
  SetDefaultBoxes(boxes);
  boxes[2].LineList = {u"before"};
  test::FakeTextMeasurer m;
  FillBox(boxes, 2, u"AB", m, 1.0);
  EXPECT_EQ(Show(boxes[2].LineList), Show({u"before", u"AB"}));
  EXPECT_EQ(m.face, FontNameText(boxes[2]));
  EXPECT_EQ(m.points, boxes[2].FontSize);
}

// Sets the box's width so that InnerWidth - Shift comes out as exactly `end`
// in the arithmetic of line breaking, where Shift is TabPos - tabEnd after a
// TabMark that ends at tabEnd, and 0 without one. The box starts at 0 without
// margins, so its right edge is its inner width; where the two roundings
// cannot meet, TabPos moves by a unit in the last place and the edge is
// sought again.
testing::AssertionResult PutLineEndAt(LayoutBox& box, double end, std::optional<double> tabEnd) {
  box.Left = box.MarginLeft = box.MarginRight = 0;
  for (int nudge = 0; nudge < 8; ++nudge) {
    const double shift = tabEnd ? box.TabPos - *tabEnd : 0;
    box.Right += end - (InnerWidth(box) - shift);
    for (int step = 0; step < 8 && InnerWidth(box) - shift < end; ++step)
      box.Right = std::nextafter(box.Right, HUGE_VAL);
    for (int step = 0; step < 8 && InnerWidth(box) - shift > end; ++step)
      box.Right = std::nextafter(box.Right, -HUGE_VAL);
    if (InnerWidth(box) - shift == end) return testing::AssertionSuccess();
    box.TabPos = std::nextafter(box.TabPos, HUGE_VAL);
  }
  return testing::AssertionFailure() << "no right edge ends the line at " << end << " mm";
}

// Measured with the form's proportional face at 9 points and 96 dpi, as the
// preview measures: the character at the edge (a kanji or a surrogate pair)
// ends exactly at width - Shift and stays; with the line one dot shorter it
// goes to the next line behind a TabMark. Two characters follow it, so the
// one right after the edge is width-tested too. The widths come from the
// measurer, so the edge is where these fonts put it.
TEST(FillBoxTest, TheWidthEdgeWithTheFormFont) {
  const double ppm = 96 / 25.4;
  const struct {
    int box;
    std::u16string before, edge, after;
  } cases[] = {
      {3, u"（１）τ歩行は", u"見", u"守り"},
      {3, u"（１）τ歩行は", u"𠮷", u"田家"},
      {2, u"歩行は", u"見", u"守り"},
      {2, u"歩行は", u"𠮷", u"田家"},
  };
  for (bool fastPrefixWidths : {true, false}) {
    const std::unique_ptr<TextMeasurer> platformMeasurer =
        test::PreviewMeasurer(96, fastPrefixWidths);
    TextMeasurer& measurer = *platformMeasurer;
    for (const auto& c : cases) {
      for (int dotsLess : {0, 1}) {
        BoxTable boxes;
        InitBoxTable(boxes);
        SetDefaultBoxes(boxes);
        boxes[3].TabPos = 15.0;
        LayoutBox& box = boxes[c.box];
        ASSERT_EQ(box.FontSize, 9);
        ASSERT_EQ(box.TabPos > 0, c.before.find(T) != std::u16string::npos);
        measurer.SetFont(FontNameText(box), box.FontSize);

        const std::size_t tab = c.before.find(T);
        std::optional<double> tabEnd;
        if (tab != std::u16string::npos)
          tabEnd = measurer.TextWidth(c.before.substr(0, tab + 1)) / ppm;
        const double end = (measurer.TextWidth(c.before + c.edge) - dotsLess) / ppm;
        ASSERT_TRUE(PutLineEndAt(box, end, tabEnd)) << "box " << c.box;

        FillBox(boxes, c.box, c.before + c.edge + c.after, measurer, ppm);
        const Lines expected = dotsLess == 0 ? Lines{c.before + c.edge, T + c.after}
                                             : Lines{c.before, T + c.edge + c.after};
        EXPECT_EQ(Show(box.LineList), Show(expected))
            << "box " << c.box << ", " << dotsLess << " dot less, fast " << fastPrefixWidths;
      }
    }
  }
}

// Generated texts of Japanese and Latin words, spaces, forced breaks,
// surrogate pairs and variation selectors, without marks of their own.
std::vector<std::u16string> GeneratedTexts(int count, unsigned seed) {
  const std::u16string pieces[] = {u"特記事項", u"歩行は", u"見守りが必要。",
                                   u"、",       u"（１）", u"Walk",
                                   u"AV",       u"office", u" ",
                                   u"　",       u"  ",     u"[改行]",
                                   u"[改行]　", u"𠮷田",   u"葛\U000E0100飾",
                                   u"辻\uFE00", u"１５分", u"ｱｲｳ",
                                   u"\r\n",     u"\t",     u"か\u3099",
                                   u"[改",      u"行]",    u"12"};
  std::mt19937 random(seed);
  std::uniform_int_distribution<std::size_t> pick(0, std::size(pieces) - 1);
  std::uniform_int_distribution<int> length(0, 90);
  std::vector<std::u16string> texts;
  for (int i = 0; i < count; ++i) {
    std::u16string text;
    for (int j = length(random); j > 0; --j) text += pieces[pick(random)];
    texts.push_back(text);
  }
  return texts;
}

std::u16string Expected(std::u16string text) {
  const auto blank = [](char16_t c) { return c <= u' '; };
  while (!text.empty() && blank(text.back())) text.pop_back();
  std::size_t first = 0;
  while (first < text.size() && blank(text[first])) ++first;
  text.erase(0, first);
  // One pass: a marker that removing another one brings together stays.
  const std::u16string_view marker(kLineBreakText);
  std::u16string out;
  for (std::size_t from = 0;;) {
    const std::size_t at = text.find(marker, from);
    out.append(text, from, at == std::u16string::npos ? std::u16string::npos : at - from);
    if (at == std::u16string::npos) return out;
    from = at + marker.size();
  }
}

// Measured with the form's faces at 96 dpi, in boxes of every kind: the
// special notes (TabPos 15), the overview, and the 8.5 mm label box where
// hardly a character fits.
TEST(FillBoxTest, NoCharacterIsLostAndFastAndReferenceMeasuringAgree) {
  const double ppm = 96 / 25.4;
  const std::unique_ptr<TextMeasurer> fastMeasurer = test::PreviewMeasurer(96, true),
                                      referenceMeasurer = test::PreviewMeasurer(96, false);
  TextMeasurer &fast = *fastMeasurer, &reference = *referenceMeasurer;
  for (int box : {3, 2, 1}) {
    BoxTable fastBoxes, referenceBoxes;
    InitBoxTable(fastBoxes);
    SetDefaultBoxes(fastBoxes);
    fastBoxes[3].TabPos = 15.0;
    referenceBoxes = fastBoxes;
    for (const std::u16string& text : GeneratedTexts(40, 7 + box)) {
      fastBoxes[box].LineList.clear();
      referenceBoxes[box].LineList.clear();
      FillBox(fastBoxes, box, text, fast, ppm);
      FillBox(referenceBoxes, box, text, reference, ppm);
      const Lines& lines = fastBoxes[box].LineList;
      ASSERT_EQ(Show(lines), Show(referenceBoxes[box].LineList)) << "box " << box;

      std::u16string joined;
      for (const std::u16string& line : lines) {
        EXPECT_FALSE(line.empty());
        EXPECT_LE(line.size(), kMaxLineLength);
        // Every line begins and ends on a whole character.
        EXPECT_EQ(ClusterStart(line, 0), 0u);
        EXPECT_EQ(ClusterEnd(line, ClusterStart(line, line.size() - 1)), line.size());
        EXPECT_FALSE(IsLowSurrogate(line.front()));
        EXPECT_FALSE(IsHighSurrogate(line.back()));
        for (char16_t c : line)
          if (c != kTabMark) joined += c;
      }
      ASSERT_EQ(Show({joined}), Show({Expected(text)})) << "box " << box;
    }
  }
}

}  // namespace
}  // namespace mirelo
