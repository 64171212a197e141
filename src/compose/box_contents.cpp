#include "compose/box_contents.h"

#include "data/japanese_date.h"
#include "layout/line_breaking.h"

namespace mirelo {
namespace {

constexpr CalendarDate kReiwaStart{2019, 5, 1};
constexpr CalendarDate kReiwaSecondYear{2020, 1, 1};
constexpr char16_t kReiwaFirstYear[] = u"令和元年";
constexpr char16_t kReiwaFirstYearFormat[] = u" m月 d日";

constexpr std::size_t kTextColumn = 27;

// Group and item numbers are written without leading zeros. Columns that are
// not decimal digits are written as they stand, so nothing of the line is
// lost and nothing is made up.
std::u16string ItemNumber(std::u16string_view columns) {
  if (columns.empty()) return {};
  int value = 0;
  for (char16_t c : columns) {
    if (c < u'0' || c > u'9') return std::u16string(columns);
    value = value * 10 + (c - u'0');
  }
  std::string digits = std::to_string(value);
  return std::u16string(digits.begin(), digits.end());
}

}  // namespace

void ComposeFixedBoxes(BoxTable& boxes, TextMeasurer& preview, double measuringPixelsPerMmX) {
  for (const FixedBoxText& fixed : kFixedBoxTexts)
    FillBox(boxes, fixed.box, fixed.text, preview, measuringPixelsPerMmX);
}

std::u16string DateBoxText(const CalendarDate& date, std::u16string_view format) {
  if (date >= kReiwaStart && date < kReiwaSecondYear)
    return kReiwaFirstYear + FormatJapaneseDate(date, kReiwaFirstYearFormat);
  return FormatJapaneseDate(date, format);
}

void ComposeDateBox(BoxTable& boxes, const CalendarDate& surveyDate, std::u16string_view format,
                    TextMeasurer& preview, double measuringPixelsPerMmX) {
  FillBox(boxes, kDateBox, DateBoxText(surveyDate, format), preview, measuringPixelsPerMmX);
}

std::u16string ItemEntry(std::u16string_view itemLine) {
  std::u16string entry = u"( ";
  entry += ItemNumber(Columns(itemLine, 19, 20));
  entry += u" - ";
  entry += ItemNumber(Columns(itemLine, 21, 22));
  entry += u" )\u3000";
  entry += kTabMark;
  entry += ColumnsFrom(itemLine, kTextColumn);
  return entry;
}

void ComposeItemBox(BoxTable& boxes, const ItemList& items, TextMeasurer& preview,
                    double measuringPixelsPerMmX) {
  for (std::size_t i = 1; i < items.size(); ++i)
    FillBox(boxes, kItemBox, ItemEntry(items[i]), preview, measuringPixelsPerMmX);
}

void ComposeOverviewBox(BoxTable& boxes, std::u16string_view overviewText, TextMeasurer& preview,
                        double measuringPixelsPerMmX) {
  boxes[kOverviewBox].LineList.clear();
  std::u16string text(overviewText);
  for (std::size_t at = text.find(u"\r\n"); at != std::u16string::npos; at = text.find(u"\r\n", at))
    text.replace(at, 2, 1, kLineBreakMark);
  // A tab typed into the field is printed as the blank Japanese text
  // indents with: the faces have no glyph for it, and each system would
  // measure and draw it its own way. The kept text keeps the tab.
  for (char16_t& c : text)
    if (c == u'\t') c = u'\u3000';
  FillBox(boxes, kOverviewBox, text, preview, measuringPixelsPerMmX);
}

void RecomposeAfterSettings(BoxTable& boxes, SurveyData& survey, bool sw5,
                            std::u16string_view overviewText, TextMeasurer& preview,
                            double measuringPixelsPerMmX) {
  for (int box : {kOverviewBox, kItemBox, kDateBox}) boxes[box].LineList.clear();
  if (sw5)
    ApplyGroupSpacing(survey.Items);
  else
    RemoveGroupSpacing(survey.Items);
  ComposeItemBox(boxes, survey.Items, preview, measuringPixelsPerMmX);
  ComposeDateBox(boxes, survey.SurveyDate, kDateFormatAfterSettings, preview,
                 measuringPixelsPerMmX);
  ComposeOverviewBox(boxes, overviewText, preview, measuringPixelsPerMmX);
}

}  // namespace mirelo
