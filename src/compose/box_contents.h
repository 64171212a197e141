// What text goes into each box of the page: the fixed texts of the form, the
// survey date in the Japanese era, one numbered entry per special-note item
// and the overview. Every text reaches its box through FillBox.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "data/survey_data.h"
#include "layout/box_table.h"
#include "platform/text_measurer.h"

namespace mirelo {

inline constexpr int kOverviewBox = 2;
inline constexpr int kItemBox = 3;
inline constexpr int kDateBox = 10;

struct FixedBoxText {
  int box;
  std::u16string_view text;
};

// In the order they are filled. The ASCII spaces and slash of box 4, and the
// mix of ASCII "(" and full-width "）" in box 7, are the printed form's own.
inline constexpr std::array<FixedBoxText, 8> kFixedBoxTexts = {{
    {4, u"蒼浦市認定調査票（概況調査/特記事項）    30"},
    {5, u"差替"},
    {6, u"認定調査票（概況調査）"},
    {7,
     u"\u2163 調査対象者の家族状況、調査対象者の居住環境(外出が困難になるなど日常生活に支障と"
     u"なるような\u3000\u3000環境の有無）、日常的に使用する機器・器械の有無等について特記すべき"
     u"事項を記入してください。"},
    {9, u"認定調査票（特記事項）"},
    {13, u"被保険者番号"},
    {1, u"調査日"},
    {14, u"様式管理番号調2018-1"},
}};

// The survey date's formats: at the first showing, and after the settings
// dialog (the era year with a leading zero).
inline constexpr char16_t kDateFormatAtShow[] = u"gg e年 m月 d日";
inline constexpr char16_t kDateFormatAfterSettings[] = u"gg ee年 m月 d日";

// Fills the fixed boxes once, onto empty line lists.
void ComposeFixedBoxes(BoxTable& boxes, TextMeasurer& preview, double measuringPixelsPerMmX);

// The text of the date box for date in format. The first year of 令和 in
// the Gregorian year 2019 is always written "令和元年", whatever the format.
std::u16string DateBoxText(const CalendarDate& date, std::u16string_view format);
// Appends the date to box 10, which the caller has emptied.
void ComposeDateBox(BoxTable& boxes, const CalendarDate& surveyDate, std::u16string_view format,
                    TextMeasurer& preview, double measuringPixelsPerMmX);

// "( group - item )　", TabMark, the note text, for one item line.
std::u16string ItemEntry(std::u16string_view itemLine);
// Appends one entry per item line (index 1 on) to box 3, which the caller
// has emptied; each entry starts on a line of its own.
void ComposeItemBox(BoxTable& boxes, const ItemList& items, TextMeasurer& preview,
                    double measuringPixelsPerMmX);

// Empties box 2 and wraps the overview (CR LF line breaks) into it.
void ComposeOverviewBox(BoxTable& boxes, std::u16string_view overviewText, TextMeasurer& preview,
                        double measuringPixelsPerMmX);

// After the print settings dialog: group spacing applied or removed by sw5,
// and boxes 3, 10 and 2 composed again from empty lists. The fixed boxes keep
// their lines.
void RecomposeAfterSettings(BoxTable& boxes, SurveyData& survey, bool sw5,
                            std::u16string_view overviewText, TextMeasurer& preview,
                            double measuringPixelsPerMmX);

}  // namespace mirelo
