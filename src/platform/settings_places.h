// What the system says about where the settings may be kept: whether the
// user may write in a folder (the executable's, under a folder only an
// administrator may write, often may not), and the user's own folder for
// the program's settings.
#pragma once

#include <filesystem>
#include <optional>

namespace mirelo {

class SettingsPlaces {
 public:
  virtual ~SettingsPlaces() = default;
  // Whether this user may make and replace files in folder.
  virtual bool CanWriteIn(const std::filesystem::path& folder) = 0;
  // The folder of this user's own copy of the settings, which need not
  // exist yet; nothing where the system names no such place.
  virtual std::optional<std::filesystem::path> UserSettingsFolder() = 0;
};

}  // namespace mirelo
