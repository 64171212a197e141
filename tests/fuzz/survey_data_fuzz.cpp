// Fuzzes the survey data file: decoding, the header's checks, the joining of
// continuation lines, group spacing, and the boxes the items and the date
// are composed into. Any input either loads or gives a DataFileError.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "compose/box_contents.h"
#include "data/survey_data.h"
#include "fake_text_measurer.h"
#include "fuzz_check.h"
#include "layout/box_table.h"
#include "layout/char_placement.h"
#include "layout/line_breaking.h"

namespace {

void LoadAndCompose(std::string_view bytes, bool sw5) {
  using namespace mirelo;
  SurveyData data;
  try {
    ParseSurveyData(bytes, "fuzz.txt", sw5, data);
  } catch (const DataFileError&) {
    return;
  }
  Check(!data.Items.empty());
  Check(data.InsuredPersonNumber.size() <= 10);
  Check(data.SurveyDate.month >= 1 && data.SurveyDate.month <= 12);
  Check(data.SurveyDate.day >= 1 && data.SurveyDate.day <= 31);
  if (sw5) {
    // Applying the marks a second time changes nothing.
    ItemList again = data.Items;
    ApplyGroupSpacing(again);
    Check(again == data.Items);
  }

  test::FakeTextMeasurer measurer;
  const double pixelsPerMm = 96 / 25.4;
  BoxTable boxes;
  InitBoxTable(boxes);
  SetDefaultBoxes(boxes);
  ComposeItemBox(boxes, data.Items, measurer, pixelsPerMm);
  ComposeDateBox(boxes, data.SurveyDate, kDateFormatAtShow, measurer, pixelsPerMm);
  ComposeDateBox(boxes, data.SurveyDate, kDateFormatAfterSettings, measurer, pixelsPerMm);
  for (int box = 1; box <= kBoxCount; ++box)
    for (const std::u16string& line : boxes[box].LineList) Check(line.size() <= kMaxLineLength);
  Check(CountPages(boxes) >= 1);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  LoadAndCompose(bytes, false);
  LoadAndCompose(bytes, true);
  return 0;
}
