#include "win32/win32_settings_places.h"

#include <random>
#include <string>

#include "win32/windows_api.h"

#include <shlobj.h>

namespace mirelo::win32 {

bool Win32SettingsPlaces::CanWriteIn(const std::filesystem::path& folder) {
  // Only making a file tells: the folder's access list, a read-only volume
  // and the mode the process runs in all decide, and none of them can be
  // read off the folder alone. The probe is gone when its handle closes.
  std::random_device random;
  for (int attempt = 0; attempt < 10; ++attempt) {
    const std::filesystem::path probe =
        folder / (L".mirelo-probe." + std::to_wstring(random()) + L".tmp");
    const HANDLE h = CreateFileW(probe.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                 FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
    if (h != INVALID_HANDLE_VALUE) {
      CloseHandle(h);
      return true;
    }
    if (GetLastError() != ERROR_FILE_EXISTS && GetLastError() != ERROR_ALREADY_EXISTS) break;
  }
  return false;
}

std::optional<std::filesystem::path> Win32SettingsPlaces::UserSettingsFolder() {
  PWSTR folder = nullptr;
  const HRESULT found =
      SHGetKnownFolderPath(FOLDERID_LocalAppData, KF_FLAG_DEFAULT, nullptr, &folder);
  std::optional<std::filesystem::path> own;
  if (SUCCEEDED(found) && folder) own = std::filesystem::path(folder) / L"Mirelo";
  CoTaskMemFree(folder);  // owned by the caller even when the call failed
  return own;
}

}  // namespace mirelo::win32
