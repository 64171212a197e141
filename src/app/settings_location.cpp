#include "app/settings_location.h"

#include <system_error>

#include "base/utf8_path.h"
#include "data/settings.h"

namespace mirelo {

SettingsLocation ChooseSettingsFile(const std::optional<std::string>& iniOption,
                                    const std::filesystem::path& appDir, SettingsPlaces& places) {
  if (iniOption) return {PathFromUtf8(*iniOption), std::nullopt};
  const std::filesystem::path shared = appDir / kSettingsFileName;
  const std::optional<std::filesystem::path> userFolder = places.UserSettingsFolder();
  if (!userFolder) return {shared, std::nullopt};
  const std::filesystem::path own = *userFolder / kSettingsFileName;
  // Once the user has a copy it is theirs, even where the shared folder has
  // become writable since: the settings of the last close are in it.
  std::error_code ec;
  if (std::filesystem::exists(own, ec)) return {own, std::nullopt};
  if (places.CanWriteIn(appDir)) return {shared, std::nullopt};
  return {own, shared};
}

}  // namespace mirelo
