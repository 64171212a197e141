// The survey data file: header line and item lines in fixed columns, read
// into the ItemList and normalised.
#pragma once

#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

#include "base/text_marks.h"

namespace mirelo {

using ItemList = std::vector<std::u16string>;

struct CalendarDate {
  int year = 0, month = 0, day = 0;
  friend auto operator<=>(const CalendarDate&, const CalendarDate&) = default;
};

struct SurveyData {
  ItemList Items;  // index 0 the header line, then the item lines
  std::u16string InsuredPersonNumber;
  std::u16string SurveyDateText;  // "2021/04/15"
  CalendarDate SurveyDate;
};

// The data file cannot be read or breaks the format; what() is the user's
// message, naming the file.
class DataFileError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// "[改行]" in any box text is a forced line break. A group that ends with the
// mark followed by an ideographic space ends with a blank line.
inline const std::u16string kGroupSpacingMark = std::u16string(kLineBreakText) + u'\u3000';

// Reads the file at path into data and normalises the items: continuation
// lines joined, then group spacing applied (sw5 on) or removed.
void LoadSurveyData(const std::filesystem::path& path, bool sw5, SurveyData& data);
// The same on the file's bytes; path only names the file in messages.
void ParseSurveyData(std::string_view bytes, const std::string& pathForMessages, bool sw5,
                     SurveyData& data);

void MergeContinuationLines(ItemList& items);
void ApplyGroupSpacing(ItemList& items);
void RemoveGroupSpacing(ItemList& items);

// Columns are 1-based and count UTF-16 code units; the part past the end of
// a short line is empty.
std::u16string Columns(std::u16string_view line, std::size_t first, std::size_t last);
std::u16string ColumnsFrom(std::u16string_view line, std::size_t first);

}  // namespace mirelo
