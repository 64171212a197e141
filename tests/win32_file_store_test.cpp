// The Windows file store: a file replaced whole through a temporary file
// beside it, its attributes kept, a read-only one refused, nothing left
// behind; folders made with their parents.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "base/temp_file_names.h"
#include "test_support.h"
#include "win32/win32_file_store.h"
#include "win32/windows_api.h"

namespace mirelo {
namespace {

using test::ReadBytes;
using test::TempDir;
using test::WriteBytes;

TEST(Win32FileStore, ReplacesAFileWholeAndKeepsItsAttributes) {
  TempDir dir;
  win32::Win32FileStore store;
  const std::filesystem::path file = dir / "概況.txt";
  ASSERT_TRUE(store.ReplaceFile(file, "first"));
  EXPECT_EQ(ReadBytes(file), "first");
  ASSERT_TRUE(SetFileAttributesW(file.c_str(), FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_ARCHIVE));
  ASSERT_TRUE(store.ReplaceFile(file, std::string(100000, 'x')));
  EXPECT_EQ(ReadBytes(file), std::string(100000, 'x'));
  EXPECT_TRUE(GetFileAttributesW(file.c_str()) & FILE_ATTRIBUTE_HIDDEN);
  ASSERT_TRUE(store.ReplaceFile(file, ""));
  EXPECT_EQ(ReadBytes(file), "");
  EXPECT_EQ(dir.Entries(), std::set<std::string>{"概況.txt"});
}

TEST(Win32FileStore, ARelativePathIsReplacedInTheCurrentFolder) {
  TempDir dir;
  const std::filesystem::path before = std::filesystem::current_path();
  std::filesystem::current_path(dir.path());
  win32::Win32FileStore store;
  const bool created = store.ReplaceFile("out.jsonl", "a");
  const bool replaced = store.ReplaceFile("out.jsonl", "b");
  std::filesystem::current_path(before);
  EXPECT_TRUE(created);
  EXPECT_TRUE(replaced);
  EXPECT_EQ(ReadBytes(dir / "out.jsonl"), "b");
  EXPECT_EQ(dir.Entries(), std::set<std::string>{"out.jsonl"});
}

TEST(Win32FileStore, AReadOnlyFileOrAMissingFolderIsReportedAndNothingChanges) {
  TempDir dir;
  win32::Win32FileStore store;
  const std::filesystem::path file = dir / "control.ini";
  WriteBytes(file, "kept");
  ASSERT_TRUE(SetFileAttributesW(file.c_str(), FILE_ATTRIBUTE_READONLY));
  EXPECT_FALSE(store.ReplaceFile(file, "new"));
  EXPECT_EQ(ReadBytes(file), "kept");
  SetFileAttributesW(file.c_str(), FILE_ATTRIBUTE_NORMAL);
  EXPECT_FALSE(store.ReplaceFile(dir / "no-folder" / "x.txt", "new"));
  EXPECT_EQ(dir.Entries(), std::set<std::string>{"control.ini"});
}

TEST(Win32FileStore, WhatACutOffWriteLeftIsRemovedAtTheNextWriteButNotAWriteGoingOn) {
  TempDir dir;
  win32::Win32FileStore store;
  const std::filesystem::path file = dir / "control.ini";
  WriteBytes(file, "old");
  const std::filesystem::path left = TempFileName(file, 1);  // its writer was killed
  WriteBytes(left, "half");
  const std::filesystem::path busy = TempFileName(file, 2);  // its writer goes on
  WriteBytes(busy, "busy");
  HANDLE writer = CreateFileW(busy.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(writer, INVALID_HANDLE_VALUE);
  WriteBytes(dir / "control.ini.tmp", "the user's");
  const bool replaced = store.ReplaceFile(file, "new");
  CloseHandle(writer);
  EXPECT_TRUE(replaced);
  EXPECT_EQ(ReadBytes(file), "new");
  EXPECT_EQ(dir.Entries(),
            (std::set<std::string>{"control.ini", "control.ini.tmp", busy.filename().string()}));
}

// Past the 260 characters of old Windows paths, and a name as long as a
// folder entry may be, which still has room for its temporary.
TEST(Win32FileStore, LongPathsAndNamesAreWritten) {
  TempDir dir;
  win32::Win32FileStore store;
  std::filesystem::path folder = dir.path();
  for (int i = 0; i < 3; ++i) folder /= std::wstring(80, L'調');
  ASSERT_TRUE(store.CreateFolder(folder));
  const std::filesystem::path file = folder / (std::wstring(244, L'a') + L".txt");
  ASSERT_GT(file.native().size(), 260u + 240u);
  ASSERT_TRUE(store.ReplaceFile(file, "first"));
  ASSERT_TRUE(store.ReplaceFile(file, "second"));
  EXPECT_EQ(ReadBytes(file), "second");
  // Listed by the system: the C run-time's listing stops at 260 characters.
  std::set<std::wstring> entries;
  WIN32_FIND_DATAW entry;
  HANDLE search = FindFirstFileW((L"\\\\?\\" + (folder / L"*").native()).c_str(), &entry);
  ASSERT_NE(search, INVALID_HANDLE_VALUE);
  do
    if (entry.cFileName[0] != L'.' || IsTempFileOf(entry.cFileName, file))
      entries.insert(entry.cFileName);
  while (FindNextFileW(search, &entry));
  FindClose(search);
  EXPECT_EQ(entries, std::set<std::wstring>{file.filename().wstring()});
}

TEST(Win32FileStore, MakesAFolderWithItsParents) {
  TempDir dir;
  win32::Win32FileStore store;
  EXPECT_TRUE(store.CreateFolder(dir / "調査" / "NinteiData" / "Gaikyo"));
  EXPECT_TRUE(std::filesystem::is_directory(dir / "調査" / "NinteiData" / "Gaikyo"));
  EXPECT_TRUE(store.CreateFolder(dir / "調査"));  // already there
  WriteBytes(dir / "afile", "x");
  EXPECT_FALSE(store.CreateFolder(dir / "afile" / "Gaikyo"));
}

}  // namespace
}  // namespace mirelo
