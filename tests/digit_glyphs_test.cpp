// The stroke digits of the insured-person number and their row of cells.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "render/device_mapping.h"
#include "render/digit_glyphs.h"

namespace mirelo {
namespace {

// Keeps the pen and path calls as short text: "pen 2", "M 18,14", "L 53,14",
// "rect 265,80,292,115".
class PathCanvas : public Canvas {
 public:
  std::vector<std::string> calls;

  void SetPenWidth(int width) override { calls.push_back("pen " + std::to_string(width)); }
  void SetBrush(BrushStyle, std::uint32_t) override { calls.push_back("brush"); }
  void SetFont(std::u16string_view, int) override { calls.push_back("font"); }
  int FontPointSize() const override { return 0; }
  int FontHeight() const override { return 0; }
  void TextOut(int, int, std::u16string_view) override { calls.push_back("text"); }
  void MoveTo(int x, int y) override { calls.push_back("M " + Pt(x, y)); }
  void LineTo(int x, int y) override { calls.push_back("L " + Pt(x, y)); }
  void Polyline(std::span<const DevicePt>) override { calls.push_back("polyline"); }
  void Rectangle(const DeviceRectangle& r) override {
    calls.push_back("rect " + Pt(r.Left, r.Top) + "," + Pt(r.Right, r.Bottom));
  }
  void FillRect(const DeviceRectangle&) override { calls.push_back("fill"); }
  void StretchBitmap(std::string_view, const DeviceRectangle&) override {
    calls.push_back("bitmap");
  }
  int LogPixelsX() const override { return 96; }
  int LogPixelsY() const override { return 96; }
  int PhysicalOffsetX() const override { return 0; }
  int PhysicalOffsetY() const override { return 0; }

 private:
  static std::string Pt(int x, int y) { return std::to_string(x) + "," + std::to_string(y); }
};

// Ten dots per mm and no offset: a cell at (0, 0) has its grid columns at
// x 18 and 53 and its rows at y 14, 47 and 79.
DeviceMapping TenthMm() { return DeviceMapping{{10.0, 10.0}}; }

// The recorded path of one glyph in grid names, strokes separated by " | ":
// "LT LB RB".
std::string GridPath(const std::vector<std::string>& calls) {
  const std::map<std::string, std::string> names = {{"18,14", "LT"}, {"18,47", "LM"},
                                                    {"18,79", "LB"}, {"53,14", "RT"},
                                                    {"53,47", "RM"}, {"53,79", "RB"}};
  std::string path;
  for (const std::string& c : calls) {
    auto it = names.find(c.substr(2));
    std::string name = it == names.end() ? "?" + c.substr(2) : it->second;
    if (c[0] == 'M')
      path += path.empty() ? name : " | " + name;
    else if (c[0] == 'L')
      path += " " + name;
    else
      path += " [" + c + "]";
  }
  return path;
}

TEST(DrawDigit, EachDigitIsItsStrokesOnTheGrid) {
  const char* expected[10] = {
      "LT LB RB RT LT",         "RT RB",
      "LT RT RM LM LB RB",      "LT RT RB LB | LM RM",
      "LT LM RM | RT RB",       "RT LT LM RM RB LB",
      "LT LB RB RM LM",         "LT RT RB",
      "LT LB RB RT LT | LM RM", "RM LM LT RT RB",
  };
  for (int digit = 0; digit <= 9; ++digit) {
    PathCanvas canvas;
    DrawDigit(canvas, TenthMm(), digit, 0.0, 0.0);
    EXPECT_EQ(GridPath(canvas.calls), expected[digit]) << "digit " << digit;
  }
}

TEST(DrawDigit, ValuesOutsideZeroToNineDrawNothing) {
  for (int digit : {-1, 10, -2147483647 - 1, 2147483647}) {
    PathCanvas canvas;
    DrawDigit(canvas, TenthMm(), digit, 0.0, 0.0);
    EXPECT_TRUE(canvas.calls.empty()) << digit;
  }
}

TEST(DrawDigit, FollowsTheMappingOfTheCell) {
  // Cell 1 of the row on a 96 dpi screen with a 1 mm offset to the right:
  // the one's stroke stands at 70 + 11.977 + 5.3 mm.
  DeviceMapping screen = ScreenMapping(ScreenPixelsPerMm(96), 1.0, 1.0, 1.0, 0.0);
  PathCanvas canvas;
  DrawDigit(canvas, screen, 1, 70.0 + 11.977, 21.2);
  // (87.277 + 1) * 3.7795 = 333.64; 22.6 * 3.7795 = 85.42; 29.1 * 3.7795 = 109.98.
  EXPECT_EQ(canvas.calls, (std::vector<std::string>{"M 334,85", "L 334,110"}));
}

// The calls of the row split at the second pen: strokes, then outlines.
struct RowCalls {
  std::vector<std::string> strokes, outlines;
  std::string strokePen, outlinePen;
};

RowCalls DrawRow(const DeviceMapping& mapping, std::u16string_view number, bool onPrinter,
                 int framePenWidth) {
  PathCanvas canvas;
  DrawNumberRow(canvas, mapping, number, onPrinter, framePenWidth);
  RowCalls row;
  int pens = 0;
  for (const std::string& c : canvas.calls) {
    if (c.starts_with("pen ")) {
      (++pens == 1 ? row.strokePen : row.outlinePen) = c;
    } else {
      (pens == 1 ? row.strokes : row.outlines).push_back(c);
    }
  }
  EXPECT_EQ(pens, 2);
  return row;
}

TEST(NumberRow, PensOnScreenAndPrinter) {
  DeviceMapping screen = ScreenMapping(ScreenPixelsPerMm(96), 1.0, 1.0, 0.0, 0.0);
  DeviceMapping printer =
      PrinterMapping(PrinterPixelsPerMm(600, 600), 1.0, 1.0, 0.0, 0.0, 100, 100);
  struct Case {
    const char* name;
    const DeviceMapping& mapping;
    bool onPrinter;
    const char* strokePen;
    const char* outlinePen;
    const char* firstCell;
    const char* lastCell;
  };
  const Case cases[] = {
      // The screen ignores the frame pen width.
      {"screen", screen, false, "pen 2", "pen 2", "rect 265,80,292,115", "rect 672,80,699,115"},
      // 600 dpi less a 100-dot margin: 70 mm is 1653.5 dots on the sheet.
      {"printer", printer, true, "pen 6", "pen 3", "rect 1554,401,1724,620",
       "rect 4100,401,4270,620"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    RowCalls row = DrawRow(c.mapping, u"0123456789", c.onPrinter, 3);
    EXPECT_EQ(row.strokePen, c.strokePen);
    EXPECT_EQ(row.outlinePen, c.outlinePen);  // left for the check square
    ASSERT_EQ(row.outlines.size(), 10u);
    for (const std::string& o : row.outlines) EXPECT_TRUE(o.starts_with("rect ")) << o;
    EXPECT_EQ(row.outlines.front(), c.firstCell);
    EXPECT_EQ(row.outlines.back(), c.lastCell);
    // 0..9 take 1+1+1+2+2+1+1+1+2+1 strokes: every digit before any outline.
    EXPECT_EQ(std::count_if(row.strokes.begin(), row.strokes.end(),
                            [](const std::string& s) { return s[0] == 'M'; }),
              13);
  }
}

// What the row should draw: the digits of the given cells, each through
// DrawDigit at its cell.
std::vector<std::string> DigitsAt(const DeviceMapping& mapping,
                                  std::initializer_list<std::pair<int, int>> cellDigits) {
  PathCanvas canvas;
  for (auto [cell, digit] : cellDigits)
    DrawDigit(canvas, mapping, digit, 70.0 + 11.977 * cell, 21.2);
  return canvas.calls;
}

TEST(NumberRow, CellsWithoutAnAsciiDigitStayEmpty) {
  DeviceMapping screen = ScreenMapping(ScreenPixelsPerMm(96), 1.0, 1.0, 0.0, 0.0);
  struct Case {
    std::u16string number;
    std::vector<std::string> strokes;
  };
  const Case cases[] = {
      {u"0123456789",
       DigitsAt(screen,
                {{0, 0}, {1, 1}, {2, 2}, {3, 3}, {4, 4}, {5, 5}, {6, 6}, {7, 7}, {8, 8}, {9, 9}})},
      {u"12345", DigitsAt(screen, {{0, 1}, {1, 2}, {2, 3}, {3, 4}, {4, 5}})},
      {u"", {}},
      {u"1 3a5\uFF156/8-0", DigitsAt(screen, {{0, 1}, {2, 3}, {4, 5}, {6, 6}, {8, 8}})},
      {u"98765432100",
       DigitsAt(screen,
                {{0, 9}, {1, 8}, {2, 7}, {3, 6}, {4, 5}, {5, 4}, {6, 3}, {7, 2}, {8, 1}, {9, 0}})},
      {std::u16string(10, u'\0'), {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.number.begin(), c.number.end()));
    RowCalls row = DrawRow(screen, c.number, false, 10);
    EXPECT_EQ(row.strokes, c.strokes);
    EXPECT_EQ(row.outlines.size(), 10u);  // every cell keeps its outline
  }
}

TEST(NumberRow, AFrameWidthOutsideOneToAHundredDotsIsHeldThere) {
  DeviceMapping printer = PrinterMapping(PrinterPixelsPerMm(600, 600), 1.0, 1.0, 0.0, 0.0, 0, 0);
  const struct {
    int width;
    const char *stroke, *outline;
  } cases[] = {{2147483647, "pen 200", "pen 100"},
               {-2147483647 - 1, "pen 2", "pen 1"},
               {0, "pen 2", "pen 1"},
               {15, "pen 30", "pen 15"}};
  for (const auto& c : cases) {
    RowCalls row = DrawRow(printer, u"0123456789", true, c.width);
    EXPECT_EQ(row.strokePen, c.stroke) << c.width;
    EXPECT_EQ(row.outlinePen, c.outline) << c.width;
  }
}

TEST(IsTenAsciiDigits, OnlyExactlyTenAsciiDigits) {
  EXPECT_TRUE(IsTenAsciiDigits(u"0123456789"));
  EXPECT_TRUE(IsTenAsciiDigits(u"0000000000"));
  for (std::u16string_view bad : {u"", u"012345678", u"01234567890", u"012345678 ", u" 123456789",
                                  u"01234a6789", u"\uFF10123456789", u"0123456789\u3000"}) {
    EXPECT_FALSE(IsTenAsciiDigits(bad)) << std::string(bad.begin(), bad.end());
  }
}

}  // namespace
}  // namespace mirelo
