// Dates written in the Japanese era, from a table of the eras since 明治 and
// their first days (a new era is one more row).
#pragma once

#include <string>
#include <string_view>

#include "data/survey_data.h"

namespace mirelo {

struct JapaneseEraYear {
  std::u16string era;  // the era's name in Japanese, e.g. 令和
  int year = 0;        // the year within the era, 1 for its first year
};

// The era a date falls in, counted from the era's first day. A date before
// 明治 began (1868-09-08) is counted in 明治 from the Gregorian year 1868,
// as Windows's own table counts it: 1868 is 明治 1, earlier years 0 and
// below. No survey carries such a date; it is written, not refused.
JapaneseEraYear ToJapaneseEra(const CalendarDate& date);

// Writes date in format. A run of "g" is the era name; "e", "m" and "d" are
// era year, month and day, a single letter without leading zero, two or more
// letters as at least two digits. Every other character is copied as it is.
std::u16string FormatJapaneseDate(const CalendarDate& date, std::u16string_view format);

}  // namespace mirelo
