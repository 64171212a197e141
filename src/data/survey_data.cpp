#include "data/survey_data.h"

#include <optional>

#include "base/file_bytes.h"
#include "base/format_message.h"
#include "base/messages.h"
#include "base/text_encoding.h"
#include "base/utf8_path.h"

namespace mirelo {
namespace {

constexpr std::size_t kTextColumn = 27;
constexpr std::size_t kHeaderMinLength = 34;

bool StartsWith(std::u16string_view s, std::u16string_view prefix) {
  return s.substr(0, prefix.size()) == prefix;
}

bool EndsWith(std::u16string_view s, std::u16string_view suffix) {
  return s.size() >= suffix.size() && s.substr(s.size() - suffix.size()) == suffix;
}

std::optional<int> Digits(std::u16string_view s) {
  if (s.empty()) return std::nullopt;
  int v = 0;
  for (char16_t c : s) {
    if (c < u'0' || c > u'9') return std::nullopt;
    v = v * 10 + (c - u'0');
  }
  return v;
}

// The group columns of an item line. A spacing mark at its end is no part
// of them: on a line shorter than the columns the mark would otherwise move
// into them, and applying the marks again would then find a new group there.
std::u16string GroupOf(std::u16string_view line) {
  if (EndsWith(line, kGroupSpacingMark)) line.remove_suffix(kGroupSpacingMark.size());
  return Columns(line, 19, 20);
}

bool IsLeapYear(int y) { return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0; }

bool IsCalendarDate(const CalendarDate& d) {
  static const int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (d.year < 1 || d.month < 1 || d.month > 12 || d.day < 1) return false;
  int days = kDays[d.month - 1] + (d.month == 2 && IsLeapYear(d.year) ? 1 : 0);
  return d.day <= days;
}

}  // namespace

std::u16string Columns(std::u16string_view line, std::size_t first, std::size_t last) {
  if (first > line.size()) return {};
  return std::u16string(line.substr(first - 1, last - first + 1));
}

std::u16string ColumnsFrom(std::u16string_view line, std::size_t first) {
  if (first > line.size()) return {};
  return std::u16string(line.substr(first - 1));
}

void LoadSurveyData(const std::filesystem::path& path, bool sw5, SurveyData& data) {
  const std::optional<std::string> bytes = ReadFileBytes(path);
  if (!bytes)
    throw DataFileError(FormatMessage(LargerThan(path) ? msg::kDataTooLarge : msg::kDataUnreadable,
                                      PathToUtf8(path)));
  ParseSurveyData(*bytes, PathToUtf8(path), sw5, data);
}

void ParseSurveyData(std::string_view bytes, const std::string& pathForMessages, bool sw5,
                     SurveyData& data) {
  ItemList items = SplitLines(DecodeTextFile(bytes).text);
  if (items.empty()) throw DataFileError(FormatMessage(msg::kDataEmpty, pathForMessages));
  const std::u16string& header = items[0];
  if (header.size() < kHeaderMinLength)
    throw DataFileError(FormatMessage(msg::kHeaderTooShort, pathForMessages));

  std::u16string year = Columns(header, 27, 30), month = Columns(header, 31, 32),
                 day = Columns(header, 33, 34);
  CalendarDate date;
  auto y = Digits(year), m = Digits(month), d = Digits(day);
  if (y && m && d) date = {*y, *m, *d};
  if (!y || !m || !d || !IsCalendarDate(date))
    throw DataFileError(FormatMessage(msg::kBadSurveyDate, pathForMessages));

  data.Items = std::move(items);
  data.InsuredPersonNumber = Columns(data.Items[0], 8, 17);
  data.SurveyDateText = year + u"/" + month + u"/" + day;
  data.SurveyDate = date;
  if (data.Items.size() > 1) {
    MergeContinuationLines(data.Items);
    if (sw5)
      ApplyGroupSpacing(data.Items);
    else
      RemoveGroupSpacing(data.Items);
  }
}

void MergeContinuationLines(ItemList& items) {
  if (items.empty()) return;
  const std::u16string key = Columns(items[0], 1, 18);
  std::u16string currentCode = Columns(items[0], 19, 22);
  for (std::size_t i = 1; i < items.size();) {
    const std::u16string& line = items[i];
    if (!StartsWith(line, key)) {
      ++i;
      continue;
    }
    std::u16string code = Columns(line, 19, 22);
    if (code == currentCode) {
      items[i - 1] += ColumnsFrom(line, kTextColumn);
      items.erase(items.begin() + static_cast<std::ptrdiff_t>(i));
    } else {
      currentCode = std::move(code);
      ++i;
    }
  }
}

void ApplyGroupSpacing(ItemList& items) {
  if (items.size() < 2) return;
  std::u16string prevGroup = GroupOf(items[1]);
  for (std::size_t i = 2; i < items.size(); ++i) {
    std::u16string group = GroupOf(items[i]);
    if (group == prevGroup) continue;
    prevGroup = std::move(group);
    if (!EndsWith(items[i - 1], kGroupSpacingMark)) items[i - 1] += kGroupSpacingMark;
  }
}

void RemoveGroupSpacing(ItemList& items) {
  const std::u16string_view mark = kGroupSpacingMark;
  for (std::u16string& line : items) {
    for (std::size_t at = line.find(mark); at != std::u16string::npos; at = line.find(mark, at))
      line.erase(at, mark.size());
  }
}

}  // namespace mirelo
