#include "posix/posix_settings_places.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <system_error>

namespace mirelo::posix {
namespace {

std::optional<std::filesystem::path> AbsoluteFromEnvironment(const char* name) {
  const char* value = std::getenv(name);
  if (!value || value[0] != '/') return std::nullopt;  // relative values are to be ignored
  return std::filesystem::path(value);
}

}  // namespace

bool PosixSettingsPlaces::CanWriteIn(const std::filesystem::path& folder) {
  // Asks the system rather than the mode bits: a read-only mount, access
  // control lists and the superuser's rights all count.
  std::error_code ec;
  return std::filesystem::is_directory(folder, ec) && access(folder.c_str(), W_OK | X_OK) == 0;
}

std::optional<std::filesystem::path> PosixSettingsPlaces::UserSettingsFolder() {
  if (const auto config = AbsoluteFromEnvironment("XDG_CONFIG_HOME")) return *config / "mirelo";
  std::optional<std::filesystem::path> home = AbsoluteFromEnvironment("HOME");
  if (!home) {
    const passwd* user = getpwuid(getuid());
    if (!user || !user->pw_dir || user->pw_dir[0] != '/') return std::nullopt;
    home = std::filesystem::path(user->pw_dir);
  }
  return *home / ".config" / "mirelo";
}

}  // namespace mirelo::posix
