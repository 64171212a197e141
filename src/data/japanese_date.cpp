#include "data/japanese_date.h"

#include <optional>
#include <tuple>

namespace mirelo {
namespace {

struct Era {
  const char16_t* name;
  CalendarDate firstDay;
};

// The eras in order, each with its first day in the Gregorian calendar.
constexpr Era kEras[] = {
    {u"明治", {1868, 9, 8}}, {u"大正", {1912, 7, 30}}, {u"昭和", {1926, 12, 25}},
    {u"平成", {1989, 1, 8}}, {u"令和", {2019, 5, 1}},
};

bool Before(const CalendarDate& a, const CalendarDate& b) {
  return std::tie(a.year, a.month, a.day) < std::tie(b.year, b.month, b.day);
}

std::u16string Number(int value, bool twoDigits) {
  std::string digits = std::to_string(value < 0 ? -value : value);
  if (twoDigits && digits.size() < 2) digits.insert(0, 1, '0');
  if (value < 0) digits.insert(0, 1, '-');
  return std::u16string(digits.begin(), digits.end());
}

}  // namespace

JapaneseEraYear ToJapaneseEra(const CalendarDate& date) {
  const Era* era = &kEras[0];
  for (const Era& e : kEras)
    if (!Before(date, e.firstDay)) era = &e;
  // An era's first year ends with the Gregorian year it began in.
  return {era->name, date.year - era->firstDay.year + 1};
}
std::u16string FormatJapaneseDate(const CalendarDate& date, std::u16string_view format) {
  std::u16string out;
  std::optional<JapaneseEraYear> era;  // only when the format asks for it
  for (std::size_t i = 0; i < format.size();) {
    const char16_t c = format[i];
    std::size_t run = 1;
    while (i + run < format.size() && format[i + run] == c) ++run;
    const bool twoDigits = run >= 2;
    switch (c) {
      case u'g':
      case u'e':
        if (!era) era = ToJapaneseEra(date);
        out += c == u'g' ? era->era : Number(era->year, twoDigits);
        break;
      case u'm':
        out += Number(date.month, twoDigits);
        break;
      case u'd':
        out += Number(date.day, twoDigits);
        break;
      default:
        out.append(run, c);
    }
    i += run;
  }
  return out;
}

}  // namespace mirelo
