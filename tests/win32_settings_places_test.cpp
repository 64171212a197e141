// The user's settings folder on Windows, under the local application data,
// and write access found by making a file, which leaves nothing behind.
#include <gtest/gtest.h>

#include "test_support.h"
#include "win32/win32_settings_places.h"
#include "win32/windows_api.h"

namespace mirelo::test {
namespace {

TEST(Win32SettingsPlaces, TheUsersFolderIsMireloInTheLocalApplicationData) {
  wchar_t local[MAX_PATH];
  const DWORD n = GetEnvironmentVariableW(L"LOCALAPPDATA", local, MAX_PATH);
  ASSERT_GT(n, 0u);
  ASSERT_LT(n, static_cast<DWORD>(MAX_PATH));
  const std::optional<std::filesystem::path> folder =
      win32::Win32SettingsPlaces().UserSettingsFolder();
  ASSERT_TRUE(folder);
  EXPECT_EQ(folder->filename(), L"Mirelo");
  std::error_code ec;
  EXPECT_TRUE(std::filesystem::equivalent(folder->parent_path(), std::filesystem::path(local), ec))
      << folder->string();
}

TEST(Win32SettingsPlaces, WriteAccessIsFoundByMakingAFileThatIsGoneAfter) {
  TempDir dir;
  win32::Win32SettingsPlaces places;
  EXPECT_TRUE(places.CanWriteIn(dir.path()));
  EXPECT_TRUE(dir.Entries().empty());
  EXPECT_FALSE(places.CanWriteIn(dir / "missing"));
  WriteBytes(dir / "file", "");
  EXPECT_FALSE(places.CanWriteIn(dir / "file"));
}

}  // namespace
}  // namespace mirelo::test
