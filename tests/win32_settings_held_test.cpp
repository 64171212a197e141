// control.ini held by another program at the start (a virus scanner, a
// backup): waited for while the hold lasts a moment, and reported as
// unreadable where it lasts, never read as the defaults in silence.
#include <gtest/gtest.h>

#include <thread>

#include "data/ini_file.h"
#include "test_support.h"
#include "win32/win32_file_store.h"
#include "win32/windows_api.h"

namespace mirelo {
namespace {

using test::TempDir;
using test::WriteBytes;

HANDLE HoldAlone(const std::filesystem::path& file) {
  return CreateFileW(file.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL,
                     nullptr);
}

TEST(Win32SettingsFile, AFileAnotherProgramHoldsIsWaitedForThenToldUnreadable) {
  TempDir dir;
  const std::filesystem::path file = dir / "control.ini";
  WriteBytes(file, "[Gaikyou]\r\nLine=9\r\n");
  win32::Win32FileStore store;
  IniFile ini(file, store);

  HANDLE held = HoldAlone(file);
  ASSERT_NE(held, INVALID_HANDLE_VALUE);
  EXPECT_FALSE(ini.WaitUntilReadable());
  EXPECT_EQ(ini.ReadString(u"Gaikyou", u"Line"), std::nullopt);

  // Let go of after a moment, as a scanner does: read then (the program
  // tries for about a second).
  std::thread scanner([held] {
    Sleep(100);
    CloseHandle(held);
  });
  const bool readable = ini.WaitUntilReadable();
  scanner.join();
  EXPECT_TRUE(readable);
  EXPECT_EQ(ini.ReadString(u"Gaikyou", u"Line"), u"9");
}

}  // namespace
}  // namespace mirelo
