// Character placement, the line raise and the page count.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "fake_text_measurer.h"
#include "layout/box_table.h"
#include "layout/char_placement.h"
#include "layout/line_breaking.h"
#include "test_support.h"

namespace mirelo {
namespace {

constexpr double kPpm = 2.0;  // the fake's dots per mm

struct Placed {
  CharPositions p;
  test::FakeTextMeasurer m;
};

// Widths: 10 dots a character, the TabMark 4, the pair 𠮷 20 (so 5, 2 and
// 10 mm). A prefix ending inside a pair measures 999 dots, which would show
// in any position that used it.
Placed Place(std::u16string_view line, double width, double tabPos) {
  Placed r;
  r.m.widths[kTabMark] = 4;
  r.m.widths[U'𠮷'] = 20;
  r.m.widths[0xE0100] = 0;
  r.p[5] = {99, 99};  // stale contents of an earlier line
  PlaceCharacters(r.p, line, width, tabPos, r.m, kPpm);
  return r;
}

std::vector<double> Naturals(const CharPositions& p, std::size_t n) {
  std::vector<double> v;
  for (std::size_t k = 0; k <= n; ++k) v.push_back(p[k].Natural);
  return v;
}

void ExpectRestZero(const CharPositions& p, std::size_t n) {
  for (std::size_t k = n + 1; k < p.size(); ++k) {
    EXPECT_EQ(p[k].Natural, 0) << k;
    EXPECT_EQ(p[k].Justified, 0) << k;
  }
}

TEST(PlaceCharactersTest, NaturalPositionsAndTheTabMarkShift) {
  const struct {
    const char* name;
    std::u16string line;
    double tabPos;
    std::vector<double> natural;  // entries 0..n
  } cases[] = {
      {"no TabMark", u"ABC", 15, {0, 5, 10, 15}},
      {"number label, TabMark, text", u"12τAB", 15, {0, 5, 10, 15, 20, 25}},
      {"a continuation line in a box with TabPos 0", u"τAB", 0, {0, 0, 5, 10}},
      {"only the last of two TabMarks shifts", u"AτBτC", 20, {0, 5, 7, 12, 20, 25}},
      {"a pair is placed as one character", u"A𠮷B", 0, {0, 5, 15, 15, 20}},
      {"a selector belongs to its base", u"A葛\U000E0100B", 0, {0, 5, 10, 10, 10, 15}},
  };
  for (const auto& c : cases) {
    const Placed r = Place(c.line, 40, c.tabPos);
    EXPECT_EQ(Naturals(r.p, c.line.size()), c.natural) << c.name;
    ExpectRestZero(r.p, c.line.size());
  }
}

TEST(PlaceCharactersTest, JustifiedPositionsEndAtTheWidth) {
  for (double width : {40.0, 12.0}) {  // stretched, and compressed
    const std::u16string line = u"12τAB";
    const Placed r = Place(line, width, 15);
    const double stretch = width / 25;
    for (std::size_t k = 0; k <= line.size(); ++k)
      EXPECT_DOUBLE_EQ(r.p[k].Justified, r.p[k].Natural * stretch) << k;
    EXPECT_DOUBLE_EQ(r.p[line.size()].Justified, width);
    EXPECT_DOUBLE_EQ(r.p[3].Justified, 15 * stretch) << "the text begins at TabPos, stretched";
  }
}

TEST(PlaceCharactersTest, ALineOfNoWidthKeepsItsNaturalPositions) {
  for (std::u16string line : {u"τ", u"ABτ"}) {
    const Placed r = Place(line, 40, 0);
    for (std::size_t k = 0; k <= line.size(); ++k) {
      EXPECT_EQ(r.p[k].Justified, r.p[k].Natural) << k;
      EXPECT_TRUE(std::isfinite(r.p[k].Justified));
    }
    EXPECT_EQ(r.p[line.size()].Natural, 0);
  }
}

TEST(PlaceCharactersTest, AnEmptyLineClearsTheTable) {
  const Placed r = Place(u"", 40, 15);
  ExpectRestZero(r.p, 0);
  EXPECT_EQ(r.p[0].Natural, 0);
}

TEST(PlaceCharactersTest, TheLastCharacterIsAllItsCodeUnits) {
  const std::u16string line = u"A𠮷";
  const Placed r = Place(line, 40, 0);
  EXPECT_EQ(LastCharacterWidth(r.p, line), 10);
  EXPECT_EQ(r.p[2].Natural, r.p[3].Natural) << "the second unit has the entry of the first";
  EXPECT_EQ(LastCharacterWidth(Place(u"AB", 40, 0).p, u"AB"), 5);
}

// Through the platform's measurer with the form's face: every Natural position is
// the prefix measured alone, converted at the screen's dots per mm, with the
// fast prefix widths as with the reference.
TEST(PlaceCharactersTest, RealFontPositionsAreTheMeasuredPrefixes) {
  const double ppm = 96 / 25.4;
  const std::unique_ptr<TextMeasurer> fastMeasurer = test::PreviewMeasurer(96, true),
                                      referenceMeasurer = test::PreviewMeasurer(96, false);
  TextMeasurer &fast = *fastMeasurer, &reference = *referenceMeasurer;
  fast.SetFont(kFaceProportional, 9);
  reference.SetFont(kFaceProportional, 9);
  const std::u16string line = u"（１）歩行はWalk AV、𠮷田さんの付き添いで１５分程度。";
  CharPositions got, want;
  PlaceCharacters(got, line, 181.5, 0, fast, ppm);
  PlaceCharacters(want, line, 181.5, 0, reference, ppm);
  for (std::size_t k = 1; k <= line.size(); ++k) {
    EXPECT_EQ(got[k].Natural, want[k].Natural) << k;
    EXPECT_EQ(got[k].Justified, want[k].Justified) << k;
    const bool pairStart = line[k - 1] >= 0xD800 && line[k - 1] <= 0xDBFF;
    if (!pairStart) {
      EXPECT_EQ(got[k].Natural, reference.TextWidth(std::u16string_view(line).substr(0, k)) / ppm)
          << k;
    }
  }
  EXPECT_DOUBLE_EQ(got[line.size()].Justified, 181.5);
}

TEST(LineRaiseTest, FactorOfTheSizeTimesTheHeightRoundedHalfToEven) {
  const struct {
    int points, height, raise;
  } cases[] = {
      {12, -100, 12},  // 12.5
      {11, -15, 3},   {9, -12, 1},  {10, -13, 1}, {8, -11, 1},  {13, -17, 3},
      {14, -19, 5},   {16, -21, 5}, {17, -23, 5}, {19, -25, 6}, {20, -27, 6},
      {21, -28, 7},   {22, -29, 7}, {23, -31, 7}, {24, -32, 7}, {25, -33, 7},
      {15, -20, 4},   {0, -10, 2},  {-3, -10, 2}, {18, -2, 0},  // 0.5
      {18, -6, 2},                                              // 1.5
      {18, 6, 2},  // a positive height counts by its magnitude
  };
  for (const auto& c : cases)
    EXPECT_EQ(LineRaise(c.points, c.height), c.raise) << c.points << " pt, " << c.height;
}

TEST(CountPagesTest, TheFullestBoxDecides) {
  const struct {
    const char* name;
    int box, lines, linesPerPage;
    int pages;
  } cases[] = {
      {"special notes, one line over a page", 3, 45, 44, 2},
      {"special notes, a full page", 3, 44, 44, 1},
      {"a fixed box counts too", 7, 3, 2, 2},
      {"LinesPerPage 0 counts as 1", 2, 3, 0, 3},
      {"a negative LinesPerPage counts as 1", 2, 3, -4, 3},
  };
  for (const auto& c : cases) {
    BoxTable boxes;
    InitBoxTable(boxes);
    SetDefaultBoxes(boxes);
    EXPECT_EQ(CountPages(boxes), 0) << "every list empty";
    boxes[2].LineList.assign(5, u"x");  // one page of the overview
    boxes[c.box].LinesPerPage = c.linesPerPage;
    boxes[c.box].LineList.assign(static_cast<std::size_t>(c.lines), u"x");
    EXPECT_EQ(CountPages(boxes), c.pages) << c.name;
  }
}

TEST(CountPagesTest, SettingsThatCannotWorkAreUsedWithinTheirLimits) {
  LayoutBox box;
  box.Left = 0;
  box.Right = 180;
  for (auto [stored, effective] :
       {std::pair{6, 6}, {1, 1}, {0, 1}, {-2, 1}, {100, 100}, {101, 100}, {2147483647, 100}}) {
    box.LinesPerPage = stored;
    EXPECT_EQ(EffectiveLinesPerPage(box), effective) << stored;
    box.FontSize = stored;
    EXPECT_EQ(EffectiveFontSize(box), effective) << stored;
  }
  for (auto [stored, effective] : {std::pair{0.0, 0.0},
                                   {20.0, 20.0},
                                   {179.9, 179.9},
                                   {180.0, 15.0},
                                   {-0.1, 15.0},
                                   {std::nan(""), 15.0}}) {
    box.TabPos = stored;
    EXPECT_EQ(EffectiveTabPos(box), effective) << stored;
  }
}

}  // namespace
}  // namespace mirelo
