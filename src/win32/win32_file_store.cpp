#include "win32/win32_file_store.h"

#include "win32/windows_api.h"

#include <algorithm>
#include <cstddef>
#include <random>
#include <string>
#include <system_error>
#include <vector>

#include "base/temp_file_names.h"

namespace mirelo::win32 {
namespace {

// Closes a file handle on every way out.
class FileHandle {
 public:
  explicit FileHandle(HANDLE h) : h_(h) {}
  ~FileHandle() { Close(); }
  FileHandle(const FileHandle&) = delete;
  FileHandle& operator=(const FileHandle&) = delete;
  HANDLE get() const { return h_; }
  bool valid() const { return h_ != INVALID_HANDLE_VALUE; }
  void Reset(HANDLE h) {
    Close();
    h_ = h;
  }
  bool Close() {
    if (!valid()) return true;
    const bool closed = CloseHandle(h_) != 0;
    h_ = INVALID_HANDLE_VALUE;
    return closed;
  }

 private:
  HANDLE h_;
};

void Remove(const std::filesystem::path& file) { DeleteFileW(file.c_str()); }

// The full path for the API, normalised ("..", "/"). No "\\?\" is put in
// front of a long one: a path past 260 characters is written where the
// system allows long paths (the manifest asks for them), and there only,
// since the files the program writes are read back by the run-time's own
// functions, which do not take that prefix.
std::filesystem::path Full(const std::filesystem::path& path) {
  const std::wstring& name = path.native();
  DWORD size = GetFullPathNameW(name.c_str(), 0, nullptr, nullptr);
  if (size == 0) return path;
  std::wstring full(size, L'\0');
  size = GetFullPathNameW(name.c_str(), size, full.data(), nullptr);
  if (size == 0 || size >= full.size()) return path;
  full.resize(size);
  return full;
}

// Calls found with the path of every entry of folder; the system's own
// listing, which takes paths of any length.
template <typename Found>
void ForEachEntry(const std::filesystem::path& folder, Found found) {
  WIN32_FIND_DATAW entry;
  HANDLE search = FindFirstFileExW((folder / L"*").c_str(), FindExInfoBasic, &entry,
                                   FindExSearchNameMatch, nullptr, 0);
  if (search == INVALID_HANDLE_VALUE) return;
  do found(folder / entry.cFileName);
  while (FindNextFileW(search, &entry));
  FindClose(search);
}

// The temporaries of path that a cut-off write left behind. One that a
// write still holds open refuses to be deleted (no write shares deletion),
// so only those without a writer go.
void RemoveLeftTemporaries(const std::filesystem::path& path) {
  ForEachEntry(path.parent_path(), [&](const std::filesystem::path& entry) {
    if (IsTempFileOf(entry, path)) Remove(entry);
  });
}

// Opens the temporary for the last steps: flushing and renaming it. Shared
// reading only, so nothing else can change or delete it meanwhile.
FileHandle OpenForRename(const std::filesystem::path& temp) {
  return FileHandle(CreateFileW(temp.c_str(), GENERIC_WRITE | DELETE, FILE_SHARE_READ, nullptr,
                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
}

// FileRenameInfoEx (Windows 10 1607 on), which mingw-w64's headers declare
// only for a _WIN32_WINNT beyond any real one.
constexpr auto kFileRenameInfoEx = static_cast<FILE_INFO_BY_HANDLE_CLASS>(22);

// Renames the open file over path in one step: the name path stands for
// the old file until it stands for the new one. By handle with POSIX
// semantics where the system has it; else by name, after closing the file.
bool RenameOver(FileHandle& file, const std::filesystem::path& temp,
                const std::filesystem::path& path) {
  const std::wstring& name = path.native();
  std::vector<std::byte> buffer(sizeof(FILE_RENAME_INFO) + name.size() * sizeof(wchar_t));
  auto* info = reinterpret_cast<FILE_RENAME_INFO*>(buffer.data());
  info->Flags = FILE_RENAME_FLAG_REPLACE_IF_EXISTS | FILE_RENAME_FLAG_POSIX_SEMANTICS;
  info->RootDirectory = nullptr;
  info->FileNameLength = static_cast<DWORD>(name.size() * sizeof(wchar_t));
  std::copy(name.begin(), name.end(), info->FileName);
  if (SetFileInformationByHandle(file.get(), kFileRenameInfoEx, info,
                                 static_cast<DWORD>(buffer.size())))
    return file.Close();
  file.Close();
  return MoveFileExW(temp.c_str(), path.c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}

// Flushes the open temporary and renames it over path, giving path its old
// attributes back; a read-only or folder target is refused. Removes the
// temporary on any failure.
bool Commit(FileHandle& file, const std::filesystem::path& temp,
            const std::filesystem::path& path) {
  const DWORD attributes = GetFileAttributesW(path.c_str());
  const bool exists = attributes != INVALID_FILE_ATTRIBUTES;
  if (!file.valid() ||
      (exists && (attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY))) ||
      !FlushFileBuffers(file.get()) || !RenameOver(file, temp, path)) {
    file.Close();
    Remove(temp);
    return false;
  }
  // The attributes the file had (hidden, archive, ...).
  if (exists) SetFileAttributesW(path.c_str(), attributes);
  return true;
}

// A new temporary beside path under a short name of its own, open for
// writing and for its rename; CREATE_NEW never takes a file that is already
// there.
std::optional<std::filesystem::path> CreateTemp(const std::filesystem::path& path,
                                                FileHandle& file) {
  RemoveLeftTemporaries(path);
  std::random_device random;
  for (int attempt = 0; attempt < 100; ++attempt) {
    const std::filesystem::path temp = TempFileName(path, random());
    HANDLE h = CreateFileW(temp.c_str(), GENERIC_WRITE | DELETE, FILE_SHARE_READ, nullptr,
                           CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h != INVALID_HANDLE_VALUE) {
      file.Reset(h);
      return temp;
    }
    if (GetLastError() != ERROR_FILE_EXISTS && GetLastError() != ERROR_ALREADY_EXISTS) break;
  }
  return std::nullopt;
}

}  // namespace

std::optional<std::filesystem::path> Win32FileStore::CreateTempFileBeside(
    const std::filesystem::path& path) {
  FileHandle file(INVALID_HANDLE_VALUE);
  return CreateTemp(Full(path), file);
}

bool Win32FileStore::CommitTempFile(const std::filesystem::path& tempName,
                                    const std::filesystem::path& pathName) {
  const std::filesystem::path temp = Full(tempName), path = Full(pathName);
  FileHandle file = OpenForRename(temp);
  return Commit(file, temp, path);
}

bool Win32FileStore::ReplaceFile(const std::filesystem::path& pathName, std::string_view bytes) {
  const std::filesystem::path path = Full(pathName);
  FileHandle file(INVALID_HANDLE_VALUE);
  const std::optional<std::filesystem::path> temp = CreateTemp(path, file);
  if (!temp) return false;
  bool written = true;
  for (std::size_t at = 0; written && at < bytes.size();) {
    const DWORD piece = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - at, 1 << 20));
    DWORD done = 0;
    written = WriteFile(file.get(), bytes.data() + at, piece, &done, nullptr) && done == piece;
    at += done;
  }
  if (!written) {
    file.Close();
    Remove(*temp);
    return false;
  }
  return Commit(file, *temp, path);
}

bool Win32FileStore::CreateFolder(const std::filesystem::path& folderName) {
  const std::filesystem::path folder = Full(folderName);
  std::error_code ec;
  if (std::filesystem::is_directory(folder, ec)) return true;
  const std::filesystem::path parent = folder.parent_path();
  if (!parent.empty() && parent != folder && !CreateFolder(parent)) return false;
  if (!CreateDirectoryW(folder.c_str(), nullptr) && GetLastError() != ERROR_ALREADY_EXISTS)
    return false;
  return std::filesystem::is_directory(folder, ec);
}

}  // namespace mirelo::win32
