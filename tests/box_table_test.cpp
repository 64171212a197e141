// The 14 boxes: reset values, the default table, inner widths, line pitch and
// the 31-byte face name.
#include <gtest/gtest.h>

#include "base/text_encoding.h"
#include "layout/box_table.h"

namespace mirelo {
namespace {

TEST(BoxTable, InitResetsEveryBox) {
  BoxTable boxes;
  boxes[5].Top = 99;
  boxes[5].LineList.push_back(u"stale");
  InitBoxTable(boxes);
  for (int i = 1; i <= kBoxCount; ++i) {
    SCOPED_TRACE(i);
    const LayoutBox& b = boxes[i];
    EXPECT_EQ(b.Top, 0.0);
    EXPECT_EQ(b.Left, 0.0);
    EXPECT_EQ(b.Bottom, 0.0);
    EXPECT_EQ(b.Right, 0.0);
    EXPECT_EQ(b.TabPos, 0.0);
    EXPECT_EQ(b.MarginTop + b.MarginLeft + b.MarginRight + b.MarginBottom, 0.0);
    EXPECT_EQ(b.FontSize, 10);
    EXPECT_EQ(FontNameText(b), u"ＭＳ\u3000Ｐゴシック");
    EXPECT_EQ(b.LinesPerPage, 1);
    EXPECT_FALSE(b.Fixed);
    EXPECT_FALSE(b.JustifyAll);
    EXPECT_EQ(b.FontStyle, 0);
    EXPECT_TRUE(b.LineList.empty());
  }
}

TEST(BoxTable, DefaultsAreTheFormsTable) {
  const std::u16string P = u"ＭＳ Ｐゴシック", G = u"ＭＳ ゴシック";
  struct Row {
    double top, left, bottom, right;
    std::u16string font;
    int size, lines;
    bool fixed, justifyAll, bold;
  } rows[kBoxCount] = {
      {10.0, 14.0, 12.5, 22.5, P, 8, 1, true, true, false},
      {44.5, 14.0, 68.8, 197.4, P, 9, 5, false, false, false},
      {75.8, 14.0, 272.3, 198.5, P, 9, 44, false, false, false},
      {9.5, 105.5, 13.5, 197.5, P, 13, 1, true, true, true},
      {17.0, 46.5, 19.3, 52.5, P, 8, 1, true, false, false},
      {33.0, 59.0, 37.0, 104.0, G, 12, 1, true, true, true},
      {38.0, 59.0, 45.0, 187.0, P, 8, 2, true, false, false},
      {47.0, 14.5, 50.0, 138.5, P, 8, 1, true, true, false},
      {70.8, 14.5, 74.8, 58.0, P, 13, 1, true, true, true},
      {10.0, 25.0, 12.5, 59.5, P, 9, 1, true, true, false},
      {17.5, 82.0, 20.5, 185.5, P, 8, 1, true, true, false},
      {27.2, 58.5, 30.2, 60.5, P, 10, 1, true, false, false},
      {17.0, 57.0, 20.0, 75.0, P, 8, 1, true, true, false},
      {276.6, 169.5, 282.1, 187.5, P, 8, 2, true, false, false},
  };
  BoxTable boxes;
  InitBoxTable(boxes);
  boxes[3].LineList.push_back(u"kept");
  SetDefaultBoxes(boxes);
  for (int i = 1; i <= kBoxCount; ++i) {
    SCOPED_TRACE(i);
    const Row& r = rows[i - 1];
    const LayoutBox& b = boxes[i];
    // Exact: each edge is the double nearest the decimal value, not a sum.
    EXPECT_EQ(b.Top, r.top);
    EXPECT_EQ(b.Left, r.left);
    EXPECT_EQ(b.Bottom, r.bottom);
    EXPECT_EQ(b.Right, r.right);
    EXPECT_EQ(FontNameText(b), r.font);
    EXPECT_EQ(b.FontSize, r.size);
    EXPECT_EQ(b.LinesPerPage, r.lines);
    EXPECT_EQ(b.Fixed, r.fixed);
    EXPECT_EQ(b.JustifyAll, r.justifyAll);
    EXPECT_EQ((b.FontStyle & kFontBold) != 0, r.bold);
    if (i != 2 && i != 3) {
      EXPECT_EQ(b.MarginTop + b.MarginLeft + b.MarginRight + b.MarginBottom, 0.0);
      EXPECT_EQ(b.TabPos, 0.0);
    }
  }
  EXPECT_EQ(boxes[2].MarginTop, 1.0);
  EXPECT_EQ(boxes[2].MarginLeft, 1.0);
  EXPECT_EQ(boxes[2].MarginRight, 1.0);
  EXPECT_EQ(boxes[2].MarginBottom, 1.0);
  EXPECT_EQ(boxes[2].TabPos, 0.0);
  EXPECT_EQ(boxes[3].MarginTop, 1.0);
  EXPECT_EQ(boxes[3].MarginLeft, 1.0);
  EXPECT_EQ(boxes[3].MarginRight, 2.0);
  EXPECT_EQ(boxes[3].MarginBottom, 0.0);
  EXPECT_EQ(boxes[3].TabPos, 14.0);
  // The line lists are not SetDefaultBoxes' business.
  EXPECT_EQ(boxes[3].LineList, std::vector<std::u16string>{u"kept"});
}

TEST(BoxTable, InnerWidthAndLinePitch) {
  BoxTable boxes;
  InitBoxTable(boxes);
  SetDefaultBoxes(boxes);
  EXPECT_NEAR(InnerWidth(boxes[2]), 181.4, 1e-9);
  EXPECT_NEAR(InnerWidth(boxes[3]), 181.5, 1e-9);
  EXPECT_NEAR(InnerWidth(boxes[1]), 8.5, 1e-9);

  auto pitch = [](const LayoutBox& b) { return (b.Bottom - b.Top) / b.LinesPerPage; };
  EXPECT_NEAR(pitch(boxes[3]), 196.5 / 44, 1e-12);
  boxes[2].LinesPerPage = 6;  // the settings file's default
  EXPECT_NEAR(pitch(boxes[2]), 4.05, 1e-12);
}

TEST(BoxTable, FaceNameIsCutTo31BytesAtACharacterBoundary) {
  struct Case {
    std::u16string name;
    std::u16string held;
    std::size_t bytes;
  } cases[] = {
      {u"ＭＳ Ｐゴシック", u"ＭＳ Ｐゴシック", 15},
      {std::u16string(31, u'a'), std::u16string(31, u'a'), 31},
      {std::u16string(40, u'a'), std::u16string(31, u'a'), 31},
      // A double-byte character that would end at byte 32 is left out whole.
      {std::u16string(16, u'あ'), std::u16string(15, u'あ'), 30},
      {u"a" + std::u16string(16, u'あ'), u"a" + std::u16string(15, u'あ'), 31},
      {std::u16string(30, u'a') + u"あ", std::u16string(30, u'a'), 30},
      // Half-width katakana are single bytes.
      {std::u16string(35, u'ｱ'), std::u16string(31, u'ｱ'), 31},
      {u"", u"", 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(ToUtf8(c.name));
    LayoutBox box;
    SetFontName(box, c.name);
    EXPECT_EQ(box.FontName.size(), c.bytes);
    EXPECT_EQ(FontNameText(box), c.held);
  }

  // Characters that code page 932 cannot hold, a surrogate pair among them,
  // still give a name within the capacity and never a crash.
  LayoutBox box;
  SetFontName(box, u"Font😀€" + std::u16string(20, u'字') + u"\xD800");
  EXPECT_LE(box.FontName.size(), kFontNameBytes);
  EXPECT_EQ(FontNameText(box).find(u'\uFFFD'), std::u16string::npos);
}

}  // namespace
}  // namespace mirelo
