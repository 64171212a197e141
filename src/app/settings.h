// The 15 persistent settings and their home in control.ini.
#pragma once

#include <optional>
#include <stdexcept>
#include <string>

#include "layout/box_table.h"
#include "platform/locale_info.h"
#include "platform/profile_store.h"

namespace mirelo {

// Six of the settings are fields of boxes 2 and 3 of the BoxTable; these are
// the others. Top and Left are the main window's position; without a window
// they are what the file holds, or nothing.
struct PrintSettings {
  std::optional<int> Top, Left;
  bool SaveOverview = true;  // "概況を保存する"
  int FramePenWidth = 10;
  double x_Bai = 1.0, y_Bai = 1.0;
  double x_offset = 0.0, y_offset = 0.0;
  bool sw5 = false;
};

// A write to the settings file failed; what() is the user's message.
class SettingsWriteError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Reads the 15 keys in order, each with its default, into settings and the
// six box fields. defaultLeft/defaultTop are the centred window position.
void LoadSettings(ProfileStore& profile, const LocaleInfo& locale, BoxTable& boxes,
                  PrintSettings& settings, std::optional<int> defaultLeft,
                  std::optional<int> defaultTop);

// Writes the 15 keys in order; each write reaches the file at once. A failed
// write throws SettingsWriteError naming settingsPath; the keys after it are
// not written.
void SaveSettings(ProfileStore& profile, const LocaleInfo& locale, const BoxTable& boxes,
                  const PrintSettings& settings, const std::string& settingsPath);

// Value forms of the file.
std::optional<int> ParseSettingsInt(std::u16string_view text);
std::optional<double> ParseSettingsFloat(std::u16string_view text, char16_t decimalSeparator);
std::u16string FormatSettingsFloat(double value, char16_t decimalSeparator);
std::u16string FormatSettingsInt(int value);

}  // namespace mirelo
