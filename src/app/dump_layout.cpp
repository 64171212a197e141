#include "app/dump_layout.h"

#include "base/json_writer.h"

namespace mirelo {
namespace {

std::string OptionalInt(const std::optional<int>& v) { return v ? std::to_string(*v) : "null"; }
std::string Bool(bool b) { return b ? "true" : "false"; }

// One box per row; a box with lines lists them one per row below it.
std::string BoxLines(const BoxTable& boxes) {
  std::string j = "[\n";
  for (int box = 1; box <= kBoxCount; ++box) {
    const std::vector<std::u16string>& lines = boxes[box].LineList;
    j += "    {\"box\": " + std::to_string(box) + ", \"lines\": [";
    for (std::size_t i = 0; i < lines.size(); ++i)
      j += std::string(i ? ",\n      " : "\n      ") + JsonString(lines[i]);
    j += lines.empty() ? "]}" : "\n    ]}";
    j += box < kBoxCount ? ",\n" : "\n";
  }
  return j + "  ]";
}

}  // namespace

std::string DumpLayoutJson(const MainState& state) {
  const LayoutBox& overview = state.Boxes[2];
  const LayoutBox& notes = state.Boxes[3];
  const PrintSettings& s = state.Settings;

  std::string j = "{\n";
  j += "  \"InsuredPersonNumber\": " + JsonString(state.Survey.InsuredPersonNumber) + ",\n";
  j += "  \"SurveyDateText\": " + JsonString(state.Survey.SurveyDateText) + ",\n";
  j += "  \"ItemList\": [";
  for (std::size_t i = 0; i < state.Survey.Items.size(); ++i)
    j += std::string(i ? ",\n    " : "\n    ") + JsonString(state.Survey.Items[i]);
  j += state.Survey.Items.empty() ? "],\n" : "\n  ],\n";

  j += "  \"settings\": {\n";
  j += "    \"PrintForm.Top\": " + OptionalInt(s.Top) + ",\n";
  j += "    \"PrintForm.Left\": " + OptionalInt(s.Left) + ",\n";
  j += "    \"Gaikyou.Size\": " + std::to_string(overview.FontSize) + ",\n";
  j += "    \"Gaikyou.Font\": " + JsonString(FontNameText(overview)) + ",\n";
  j += "    \"Gaikyou.Line\": " + std::to_string(overview.LinesPerPage) + ",\n";
  j += "    \"Bikou.Size\": " + std::to_string(notes.FontSize) + ",\n";
  j += "    \"Bikou.Font\": " + JsonString(FontNameText(notes)) + ",\n";
  j += "    \"Bikou.TabLen\": " + JsonNumber(notes.TabPos) + ",\n";
  j += "    \"Hozon.option\": " + Bool(s.SaveOverview) + ",\n";
  j += "    \"Waku.Width\": " + std::to_string(s.FramePenWidth) + ",\n";
  j += "    \"Print.x_Bai\": " + JsonNumber(s.x_Bai) + ",\n";
  j += "    \"Print.y_Bai\": " + JsonNumber(s.y_Bai) + ",\n";
  j += "    \"Print.x_offset\": " + JsonNumber(s.x_offset) + ",\n";
  j += "    \"Print.y_offset\": " + JsonNumber(s.y_offset) + ",\n";
  j += "    \"Print.sw5\": " + Bool(s.sw5) + "\n";
  j += "  },\n";
  j += "  \"PageCount\": " + std::to_string(state.PageCount) + ",\n";
  j += "  \"boxes\": " + BoxLines(state.Boxes) + "\n";
  j += "}\n";
  return j;
}

}  // namespace mirelo
