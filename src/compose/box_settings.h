// The settings file as the running program holds it: six of its values are
// fields of boxes 2 and 3 of the box table, the rest the PrintSettings.
#pragma once

#include <optional>
#include <string>

#include "data/settings.h"
#include "layout/box_table.h"
#include "platform/locale_info.h"
#include "platform/profile_store.h"

namespace mirelo {

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

}  // namespace mirelo
