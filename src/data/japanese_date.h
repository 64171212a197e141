// Dates written in the Japanese era. Era names and era years come from ICU's
// Japanese calendar, so a new era arrives with the ICU data, not with code.
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

#include "data/survey_data.h"

namespace mirelo {

struct JapaneseEraYear {
  std::u16string era;  // the era's name in Japanese, e.g. 令和
  int year = 0;        // the year within the era, 1 for its first year
};

// ICU could not give the Japanese calendar (a broken ICU installation).
class JapaneseCalendarError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

JapaneseEraYear ToJapaneseEra(const CalendarDate& date);

// Writes date in format. A run of "g" is the era name; "e", "m" and "d" are
// era year, month and day, a single letter without leading zero, two or more
// letters as at least two digits. Every other character is copied as it is.
std::u16string FormatJapaneseDate(const CalendarDate& date, std::u16string_view format);

}  // namespace mirelo
