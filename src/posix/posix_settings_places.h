// Where the settings may be kept on a POSIX system: write access as the
// system grants it, and the user's configuration folder of the XDG base
// directories.
#pragma once

#include "platform/settings_places.h"

namespace mirelo::posix {

class PosixSettingsPlaces : public SettingsPlaces {
 public:
  bool CanWriteIn(const std::filesystem::path& folder) override;
  // $XDG_CONFIG_HOME/mirelo, or ~/.config/mirelo where that is unset or
  // not an absolute path.
  std::optional<std::filesystem::path> UserSettingsFolder() override;
};

}  // namespace mirelo::posix
