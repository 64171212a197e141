// The run state of the main window: everything the page is made of, owned
// in one place and handed to the procedures that work on it.
#pragma once

#include <filesystem>
#include <string>

#include "app/settings.h"
#include "data/survey_data.h"
#include "layout/box_table.h"
#include "render/device_mapping.h"

namespace mirelo {

struct MainState {
  std::filesystem::path AppDir;
  std::string DataFilePath;  // the first argument, unchanged
  BoxTable Boxes;
  SurveyData Survey;  // the ItemList and the header fields
  PrintSettings Settings;
  int CurrentPage = 1;
  int PageCount = 1;
  PixelsPerMm ScreenPpm;
  PixelsPerMm PrinterPpm;
};

}  // namespace mirelo
