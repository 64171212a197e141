// The text of every box: fixed texts, the survey date in the Japanese era,
// item entries, the overview, and composing again after the settings dialog.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "base/text_encoding.h"
#include "compose/box_contents.h"
#include "data/japanese_date.h"
#include "layout/line_breaking.h"
#include "test_support.h"

namespace mirelo {
namespace {

constexpr double kPpm96 = 96 / 25.4;

std::string Utf8(std::u16string_view s) { return ToUtf8(s); }

std::string ReadFixture(const char* name) {
  std::ifstream in(std::string(MIRELO_SOURCE_DIR) + "/tests/fixtures/" + name, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// A box's lines as one text with the TabMarks left out.
std::u16string Joined(const LayoutBox& box) {
  std::u16string all;
  for (const std::u16string& line : box.LineList)
    for (char16_t c : line)
      if (c != kTabMark) all += c;
  return all;
}

TEST(DateBoxText, JapaneseEraAtShowAndAfterSettings) {
  struct Case {
    CalendarDate date;
    const char* atShow;
    const char* afterSettings;
  };
  const Case cases[] = {
      {{2019, 4, 30}, "平成 31年 4月 30日", "平成 31年 4月 30日"},
      {{2019, 5, 1}, "令和元年 5月 1日", "令和元年 5月 1日"},
      {{2019, 12, 31}, "令和元年 12月 31日", "令和元年 12月 31日"},
      {{2020, 1, 1}, "令和 2年 1月 1日", "令和 02年 1月 1日"},
      {{2021, 4, 15}, "令和 3年 4月 15日", "令和 03年 4月 15日"},
      // The first year of any other era is written as the number 1.
      {{1989, 1, 7}, "昭和 64年 1月 7日", "昭和 64年 1月 7日"},
      {{1989, 1, 8}, "平成 1年 1月 8日", "平成 01年 1月 8日"},
      {{1926, 12, 25}, "昭和 1年 12月 25日", "昭和 01年 12月 25日"},
      {{1912, 7, 30}, "大正 1年 7月 30日", "大正 01年 7月 30日"},
      {{2000, 2, 29}, "平成 12年 2月 29日", "平成 12年 2月 29日"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.date.year) + "-" + std::to_string(c.date.month) + "-" +
                 std::to_string(c.date.day));
    EXPECT_EQ(Utf8(DateBoxText(c.date, kDateFormatAtShow)), c.atShow);
    EXPECT_EQ(Utf8(DateBoxText(c.date, kDateFormatAfterSettings)), c.afterSettings);
  }
}

TEST(FormatJapaneseDate, LettersAndLiterals) {
  EXPECT_EQ(Utf8(FormatJapaneseDate({2021, 4, 5}, u"gg/ee/mm/dd [e m d]")),
            "令和/03/04/05 [3 4 5]");
  EXPECT_EQ(Utf8(FormatJapaneseDate({2021, 4, 5}, u"")), "");
  // Before 明治's first day the year is counted in 明治 from 1868; a date no
  // survey carries is written all the same.
  EXPECT_EQ(Utf8(FormatJapaneseDate({1868, 9, 7}, u"gg e")), "明治 1");
  EXPECT_EQ(Utf8(FormatJapaneseDate({1, 1, 1}, u"gg ee")), "明治 -1866");
}

TEST(ItemEntry, LabelTabMarkAndNote) {
  const std::u16string key = u"123456700000123451";
  struct Case {
    std::u16string line;
    std::u16string entry;
  };
  const Case cases[] = {
      {key + u"01020001歩行時に杖を使う。", u"( 1 - 2 )\u3000\u03C4歩行時に杖を使う。"},
      {key + u"10030001x", u"( 10 - 3 )\u3000\u03C4x"},
      // Shorter than the note column: the label and TabMark alone.
      {key + u"0507", u"( 5 - 7 )\u3000\u03C4"},
      {key + u"02040001食事は[改行]見守り[改行]\u3000",
       u"( 2 - 4 )\u3000\u03C4食事は[改行]見守り[改行]\u3000"},
      // Columns that are not digits stand as they are.
      {key + u"1A0b0001z", u"( 1A - 0b )\u3000\u03C4z"},
  };
  for (const Case& c : cases) EXPECT_EQ(Utf8(ItemEntry(c.line)), Utf8(c.entry));
}

TEST(FixedBoxTexts, ExactCharactersInFillingOrder) {
  // Spelled with escapes where a look-alike would pass unnoticed: ASCII
  // spaces and slash in box 4; U+2163, ASCII "(" against full-width "）" and
  // two ideographic spaces in box 7.
  struct Case {
    int box;
    std::u16string text;
  };
  const Case expected[] = {
      {4, u"蒼浦市認定調査票\uFF08概況調査\u002F特記事項\uFF09\u0020\u0020\u0020\u002030"},
      {5, u"差替"},
      {6, u"認定調査票\uFF08概況調査\uFF09"},
      {7,
       u"\u2163\u0020調査対象者の家族状況、調査対象者の居住環境\u0028外出が困難になるなど"
       u"日常生活に支障となるような\u3000\u3000環境の有無\uFF09、日常的に使用する機器・器械の"
       u"有無等について特記すべき事項を記入してください。"},
      {9, u"認定調査票\uFF08特記事項\uFF09"},
      {13, u"被保険者番号"},
      {1, u"調査日"},
      {14, u"様式管理番号調2018\u002D1"},
  };
  ASSERT_EQ(std::size(expected), kFixedBoxTexts.size());
  for (std::size_t i = 0; i < kFixedBoxTexts.size(); ++i) {
    EXPECT_EQ(kFixedBoxTexts[i].box, expected[i].box);
    EXPECT_EQ(Utf8(kFixedBoxTexts[i].text), Utf8(expected[i].text)) << "box " << expected[i].box;
  }
}

class ComposeTest : public ::testing::Test {
 protected:
  void SetUp() override {
    InitBoxTable(boxes);
    SetDefaultBoxes(boxes);
    boxes[3].TabPos = 15.0;
  }
  BoxTable boxes;
  std::unique_ptr<TextMeasurer> measurer = test::PreviewMeasurer(96);
  TextMeasurer& preview = *measurer;
};

TEST_F(ComposeTest, FixedBoxesHoldTheirTextsAndNothingElse) {
  ComposeFixedBoxes(boxes, preview, kPpm96);
  for (int box = 1; box <= kBoxCount; ++box) {
    auto fixed = std::find_if(kFixedBoxTexts.begin(), kFixedBoxTexts.end(),
                              [&](const FixedBoxText& f) { return f.box == box; });
    if (fixed == kFixedBoxTexts.end()) {
      EXPECT_TRUE(boxes[box].LineList.empty()) << "box " << box;
    } else {
      EXPECT_EQ(Utf8(Joined(boxes[box])), Utf8(fixed->text)) << "box " << box;
    }
  }
  // Short labels stay one line even where they overfill a narrow box.
  EXPECT_EQ(boxes[1].LineList.size(), 1u);
}

TEST_F(ComposeTest, OverviewLineBreaksAreForcedBreaks) {
  ComposeOverviewBox(boxes, u"一行目\r\n二行目\r\n三行目\r\n", preview, kPpm96);
  EXPECT_EQ(boxes[2].LineList, (std::vector<std::u16string>{u"一行目", u"二行目", u"三行目"}));
  // A typed tab is printed as an ideographic space.
  ComposeOverviewBox(boxes, u"\t字下げ\tと表", preview, kPpm96);
  EXPECT_EQ(boxes[2].LineList, (std::vector<std::u16string>{u"\u3000字下げ\u3000と表"}));
  // Composing again replaces what was there; an empty overview leaves it empty.
  ComposeOverviewBox(boxes, u"", preview, kPpm96);
  EXPECT_TRUE(boxes[2].LineList.empty());
}

TEST_F(ComposeTest, RecomposeAfterSettingsIsRepeatableAndFollowsSw5) {
  SurveyData survey;
  ParseSurveyData(ReadFixture("worked-example.txt"), "worked-example.txt", false, survey);
  ComposeFixedBoxes(boxes, preview, kPpm96);
  ComposeDateBox(boxes, survey.SurveyDate, kDateFormatAtShow, preview, kPpm96);
  ComposeItemBox(boxes, survey.Items, preview, kPpm96);
  EXPECT_EQ(boxes[10].LineList, std::vector<std::u16string>{u"令和 3年 4月 15日"});
  const std::vector<std::u16string> itemsWithoutSpacing = boxes[3].LineList;
  ASSERT_EQ(itemsWithoutSpacing.size(), 5u);
  BoxTable fixedOnly = boxes;

  const std::u16string overview = u"概況\r\n二行目";
  RecomposeAfterSettings(boxes, survey, false, overview, preview, kPpm96);
  const BoxTable once = boxes;
  RecomposeAfterSettings(boxes, survey, false, overview, preview, kPpm96);
  for (int box = 1; box <= kBoxCount; ++box) {
    EXPECT_EQ(boxes[box].LineList, once[box].LineList) << "box " << box;
    if (box != 2 && box != 3 && box != 10) {
      EXPECT_EQ(boxes[box].LineList, fixedOnly[box].LineList) << "box " << box;
    }
  }
  EXPECT_EQ(boxes[3].LineList, itemsWithoutSpacing);
  EXPECT_EQ(boxes[10].LineList, std::vector<std::u16string>{u"令和 03年 4月 15日"});
  EXPECT_EQ(boxes[2].LineList, (std::vector<std::u16string>{u"概況", u"二行目"}));

  // sw5 on: a blank line (TabMark and ideographic space) after the last item
  // of every group but the last.
  RecomposeAfterSettings(boxes, survey, true, overview, preview, kPpm96);
  const std::u16string blank = u"\u03C4\u3000";
  std::vector<std::u16string> withSpacing = itemsWithoutSpacing;
  withSpacing.insert(withSpacing.begin() + 4, blank);  // after 02-04, two lines
  withSpacing.insert(withSpacing.begin() + 2, blank);  // after 01-07
  EXPECT_EQ(boxes[3].LineList, withSpacing);
  RecomposeAfterSettings(boxes, survey, true, overview, preview, kPpm96);
  EXPECT_EQ(boxes[3].LineList, withSpacing);

  RecomposeAfterSettings(boxes, survey, false, overview, preview, kPpm96);
  EXPECT_EQ(boxes[3].LineList, itemsWithoutSpacing);
}

TEST_F(ComposeTest, HeaderAloneLeavesTheItemBoxEmpty) {
  SurveyData survey;
  ParseSurveyData("1234567000001234510000000020190501\r\n", "header-only.txt", false, survey);
  ComposeItemBox(boxes, survey.Items, preview, kPpm96);
  EXPECT_TRUE(boxes[3].LineList.empty());
  RecomposeAfterSettings(boxes, survey, true, u"", preview, kPpm96);
  EXPECT_TRUE(boxes[3].LineList.empty());
  EXPECT_EQ(boxes[10].LineList, std::vector<std::u16string>{u"令和元年 5月 1日"});
}

}  // namespace
}  // namespace mirelo
