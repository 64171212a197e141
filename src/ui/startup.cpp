#include "ui/startup.h"

#include "base/utf8_path.h"
#include "compose/box_settings.h"

namespace mirelo {

void CreateMainState(MainState& state, const std::filesystem::path& appDir,
                     const std::string& dataFilePath, ProfileStore& profile,
                     const LocaleInfo& locale, std::optional<int> defaultLeft,
                     std::optional<int> defaultTop) {
  state.AppDir = appDir;
  state.DataFilePath = dataFilePath;
  InitBoxTable(state.Boxes);
  SetDefaultBoxes(state.Boxes);
  LoadSettings(profile, locale, state.Boxes, state.Settings, defaultLeft, defaultTop);
  state.CurrentPage = 1;
  state.PageCount = 1;
  state.Survey = SurveyData{};
}

bool DataFileExists(const std::string& dataFilePath) {
  if (dataFilePath.empty()) return false;
  std::error_code ec;
  return std::filesystem::is_regular_file(PathFromUtf8(dataFilePath), ec);
}

}  // namespace mirelo
