#include "win32/win32_file_store.h"

#include "win32/windows_api.h"

#include <algorithm>
#include <random>
#include <string>
#include <system_error>

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
  bool Close() {
    if (!valid()) return true;
    const bool closed = CloseHandle(h_) != 0;
    h_ = INVALID_HANDLE_VALUE;
    return closed;
  }

 private:
  HANDLE h_;
};

bool Flush(const std::filesystem::path& file) {
  FileHandle h(CreateFileW(file.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                           FILE_ATTRIBUTE_NORMAL, nullptr));
  return h.valid() && FlushFileBuffers(h.get()) && h.Close();
}

void Remove(const std::filesystem::path& file) { DeleteFileW(file.c_str()); }

// Full paths for the API: ReplaceFileW does not take a relative name under
// every Windows (Wine refuses one).
std::filesystem::path Full(const std::filesystem::path& path) {
  std::error_code ec;
  std::filesystem::path full = std::filesystem::absolute(path, ec);
  return ec ? path : full;
}

}  // namespace

std::optional<std::filesystem::path> Win32FileStore::CreateTempFileBeside(
    const std::filesystem::path& path) {
  std::random_device random;
  const std::filesystem::path folder = Full(path).parent_path();
  for (int attempt = 0; attempt < 100; ++attempt) {
    // A name of its own in the same folder, so the move is a rename on the
    // same volume; CREATE_NEW never takes a file that is already there.
    const std::filesystem::path temp =
        folder / (L"." + path.filename().wstring() + L"." + std::to_wstring(random()) + L".tmp");
    FileHandle h(CreateFileW(temp.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                             FILE_ATTRIBUTE_NORMAL, nullptr));
    if (h.valid()) return temp;
    if (GetLastError() != ERROR_FILE_EXISTS && GetLastError() != ERROR_ALREADY_EXISTS) break;
  }
  return std::nullopt;
}

bool Win32FileStore::CommitTempFile(const std::filesystem::path& tempName,
                                    const std::filesystem::path& pathName) {
  const std::filesystem::path temp = Full(tempName), path = Full(pathName);
  const DWORD attributes = GetFileAttributesW(path.c_str());
  const bool exists = attributes != INVALID_FILE_ATTRIBUTES;
  if ((exists && (attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY))) ||
      !Flush(temp)) {
    Remove(temp);
    return false;
  }
  bool moved;
  if (exists) {
    moved = ReplaceFileW(path.c_str(), temp.c_str(), nullptr, REPLACEFILE_IGNORE_MERGE_ERRORS,
                           nullptr, nullptr) != 0;
    // Past these two the old file may already be gone (no backup name is
    // given) and the new content lives only in the temporary file: it is
    // moved into place, or kept, never removed.
    if (!moved && (GetLastError() == ERROR_UNABLE_TO_MOVE_REPLACEMENT ||
                   GetLastError() == ERROR_UNABLE_TO_MOVE_REPLACEMENT_2)) {
      moved = MoveFileExW(temp.c_str(), path.c_str(),
                          MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
      if (!moved) return false;
    }
  } else {
    moved = MoveFileExW(temp.c_str(), path.c_str(), MOVEFILE_WRITE_THROUGH) != 0;
  }
  if (!moved) {
    Remove(temp);
    return false;
  }
  // The attributes the file had (hidden, archive, ...), whether or not the
  // replacing kept them.
  if (exists) SetFileAttributesW(path.c_str(), attributes);
  return true;
}

bool Win32FileStore::ReplaceFile(const std::filesystem::path& path, std::string_view bytes) {
  const std::optional<std::filesystem::path> temp = CreateTempFileBeside(path);
  if (!temp) return false;
  bool written;
  {
    FileHandle h(CreateFileW(temp->c_str(), GENERIC_WRITE, 0, nullptr, TRUNCATE_EXISTING,
                             FILE_ATTRIBUTE_NORMAL, nullptr));
    written = h.valid();
    for (std::size_t at = 0; written && at < bytes.size();) {
      const DWORD piece = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - at, 1 << 20));
      DWORD done = 0;
      written = WriteFile(h.get(), bytes.data() + at, piece, &done, nullptr) && done == piece;
      at += done;
    }
    written = written && FlushFileBuffers(h.get()) && h.Close();
  }
  if (!written) {
    Remove(*temp);
    return false;
  }
  return CommitTempFile(*temp, path);
}

bool Win32FileStore::CreateFolder(const std::filesystem::path& folder) {
  std::error_code ec;
  if (std::filesystem::is_directory(folder, ec)) return true;
  const std::filesystem::path parent = folder.parent_path();
  if (!parent.empty() && parent != folder && !CreateFolder(parent)) return false;
  if (!CreateDirectoryW(folder.c_str(), nullptr) && GetLastError() != ERROR_ALREADY_EXISTS)
    return false;
  return std::filesystem::is_directory(folder, ec);
}

}  // namespace mirelo::win32
