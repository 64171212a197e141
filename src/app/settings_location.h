// Which settings file a run reads and writes. The shared control.ini beside
// the executable, as long as the user may write there; where the user may
// not (a program installed by an administrator), a copy of the user's own,
// which reads the shared file until the first close writes it, and which
// is read in preference to the shared file from then on. A file named on
// the command line is used as it is given.
#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "platform/settings_places.h"

namespace mirelo {

struct SettingsLocation {
  std::filesystem::path path;  // the file read and written
  // Read in path's place while path does not exist; the first write starts
  // from it.
  std::optional<std::filesystem::path> sharedFile;
};

SettingsLocation ChooseSettingsFile(const std::optional<std::string>& iniOption,
                                    const std::filesystem::path& appDir, SettingsPlaces& places);

}  // namespace mirelo
