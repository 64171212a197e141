#include "compose/box_settings.h"

namespace mirelo {

void LoadSettings(ProfileStore& profile, const LocaleInfo& locale, BoxTable& boxes,
                  PrintSettings& settings, std::optional<int> defaultLeft,
                  std::optional<int> defaultTop) {
  BoxSettings b;
  ReadSettings(profile, locale, b, settings, defaultLeft, defaultTop);
  LayoutBox& overview = boxes[2];
  LayoutBox& notes = boxes[3];
  overview.FontSize = b.OverviewSize;
  SetFontName(overview, b.OverviewFont);
  overview.LinesPerPage = b.OverviewLines;
  notes.FontSize = b.NotesSize;
  SetFontName(notes, b.NotesFont);
  notes.TabPos = b.NotesTabLen;
}

void SaveSettings(ProfileStore& profile, const LocaleInfo& locale, const BoxTable& boxes,
                  const PrintSettings& settings, const std::string& settingsPath) {
  const LayoutBox& overview = boxes[2];
  const LayoutBox& notes = boxes[3];
  const BoxSettings b{overview.FontSize, FontNameText(overview), overview.LinesPerPage,
                      notes.FontSize,    FontNameText(notes),    notes.TabPos};
  WriteSettings(profile, locale, b, settings, settingsPath);
}

}  // namespace mirelo
