// The 15 persistent settings and their home in control.ini.
#pragma once

#include <optional>
#include <stdexcept>
#include <string>

#include "data/form_faces.h"
#include "platform/locale_info.h"
#include "platform/profile_store.h"

namespace mirelo {

// The settings file's name, in the executable's folder.
inline constexpr char kSettingsFileName[] = "control.ini";

// Nine of the settings. Top and Left are the main window's position; without
// a window they are what the file holds, or nothing.
struct PrintSettings {
  std::optional<int> Top, Left;
  bool SaveOverview = true;  // "概況を保存する"
  int FramePenWidth = 10;
  double x_Bai = 1.0, y_Bai = 1.0;
  double x_offset = 0.0, y_offset = 0.0;
  bool sw5 = false;
};

// The other six: while the program runs they are fields of boxes 2 (the
// overview) and 3 (the special notes) of the box table; these are their
// values on the way to and from the file.
// The number column of the special notes, in mm from the box's left edge,
// where the settings file gives none.
inline constexpr double kDefaultNotesTabLen = 15.0;

struct BoxSettings {
  int OverviewSize = 10;
  std::u16string OverviewFont = kFaceProportional;
  int OverviewLines = 6;
  int NotesSize = 9;
  std::u16string NotesFont = kFaceProportional;
  double NotesTabLen = kDefaultNotesTabLen;
};

// A write to the settings file failed; what() is the user's message.
class SettingsWriteError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Reads the 15 keys in order, each with its default, into settings and
// boxSettings. defaultLeft/defaultTop are the centred window position.
void ReadSettings(ProfileStore& profile, const LocaleInfo& locale, BoxSettings& boxSettings,
                  PrintSettings& settings, std::optional<int> defaultLeft,
                  std::optional<int> defaultTop);

// Writes the 15 keys in order; each write reaches the file at once. A failed
// write throws SettingsWriteError naming settingsPath; the keys after it are
// not written.
void WriteSettings(ProfileStore& profile, const LocaleInfo& locale, const BoxSettings& boxSettings,
                   const PrintSettings& settings, const std::string& settingsPath);

// Value forms of the file.
std::optional<int> ParseSettingsInt(std::u16string_view text);
std::optional<double> ParseSettingsFloat(std::u16string_view text, char16_t decimalSeparator);
std::u16string FormatSettingsFloat(double value, char16_t decimalSeparator);
std::u16string FormatSettingsInt(int value);

}  // namespace mirelo
