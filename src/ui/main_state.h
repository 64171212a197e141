// The run state of the main window: everything the page is made of, owned
// in one place and handed to the procedures that work on it.
#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "base/text_encoding.h"
#include "data/settings.h"
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
  // The overview input's text (CR LF line breaks), and the encoding its file
  // was read in during this run, if it was read.
  std::u16string OverviewText;
  std::optional<TextEncoding> OverviewEncoding;
  // The kept overview's text as it was read, where it was: a close that
  // finds the field unchanged leaves the file as it is, in its own bytes.
  std::optional<std::u16string> OverviewAsRead;
  // The settings file that exists but could not be read (UTF-8), else
  // empty: the run uses the defaults and the close leaves the file as it is.
  std::string UnreadableSettingsFile;
  // The show step got past looking for the kept overview (and loading it
  // where the save option was on). A run whose show step failed before that,
  // or whose kept overview could not be read, never loaded it, so it must not
  // save over it at close.
  bool OverviewLookedFor = false;
};

}  // namespace mirelo
