// Where the settings may be kept on Windows: write access as the system
// grants it, and the user's local application data.
#pragma once

#include "platform/settings_places.h"

namespace mirelo::win32 {

class Win32SettingsPlaces : public SettingsPlaces {
 public:
  bool CanWriteIn(const std::filesystem::path& folder) override;
  // %LOCALAPPDATA%\Mirelo.
  std::optional<std::filesystem::path> UserSettingsFolder() override;
};

}  // namespace mirelo::win32
