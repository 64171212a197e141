#include "data/japanese_date.h"

#include <memory>
#include <optional>

#include <unicode/calendar.h>
#include <unicode/gregocal.h>
#include <unicode/smpdtfmt.h>
#include <unicode/timezone.h>

namespace mirelo {
namespace {

void Check(UErrorCode status, const char* what) {
  if (U_FAILURE(status))
    throw JapaneseCalendarError(std::string("ICU: ") + what + ": " + u_errorName(status));
}

std::u16string Number(int value, bool twoDigits) {
  std::string digits = std::to_string(value < 0 ? -value : value);
  if (twoDigits && digits.size() < 2) digits.insert(0, 1, '0');
  if (value < 0) digits.insert(0, 1, '-');
  return std::u16string(digits.begin(), digits.end());
}

}  // namespace

JapaneseEraYear ToJapaneseEra(const CalendarDate& date) {
  UErrorCode status = U_ZERO_ERROR;
  // One time zone on both sides, and noon, so the instant lies inside the
  // same calendar day in both calendars.
  std::unique_ptr<icu::TimeZone> utc(icu::TimeZone::createTimeZone("Etc/UTC"));
  icu::GregorianCalendar gregorian(utc->clone(), icu::Locale::getRoot(), status);
  Check(status, "Gregorian calendar");
  gregorian.clear();
  gregorian.set(date.year, date.month - 1, date.day, 12, 0, 0);
  const UDate instant = gregorian.getTime(status);
  Check(status, "date");

  const icu::Locale japanese("ja_JP@calendar=japanese");
  icu::SimpleDateFormat eraFormat(icu::UnicodeString(u"G"), japanese, status);
  Check(status, "Japanese era format");
  eraFormat.setTimeZone(*utc);
  icu::UnicodeString era;
  eraFormat.format(instant, era);

  std::unique_ptr<icu::Calendar> calendar(eraFormat.getCalendar()->clone());
  calendar->setTime(instant, status);
  const int year = calendar->get(UCAL_YEAR, status);
  Check(status, "Japanese calendar");

  return {std::u16string(era.getBuffer(), static_cast<std::size_t>(era.length())), year};
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
