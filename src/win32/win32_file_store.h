// The file store on Windows: the new content goes to a temporary file in
// the target's folder under a short name of its own, FlushFileBuffers takes
// it to the disk, and one rename puts it in the target's place: by handle
// with POSIX semantics and replacement where the system has it (Windows 10
// and later), else MoveFileExW with replacement and write-through. Either
// way the target's name never stands empty, so a write cut off at any
// moment leaves the old file or the new one (ReplaceFileW, which removes
// the target before it moves the new file in under some systems, is not
// used). The target's attributes are given back to it. A read-only target
// is reported, not replaced: on Windows the attribute says the file is not
// to be changed. The temporaries a cut-off write left beside the target are
// removed when it is next written; ReplaceFile keeps its temporary open, so
// one it is still writing is never taken.
#pragma once

#include "platform/file_store.h"

namespace mirelo::win32 {

class Win32FileStore final : public FileStore {
 public:
  std::optional<std::filesystem::path> CreateTempFileBeside(
      const std::filesystem::path& path) override;
  bool CommitTempFile(const std::filesystem::path& temp,
                      const std::filesystem::path& path) override;
  bool ReplaceFile(const std::filesystem::path& path, std::string_view bytes) override;
  bool CreateFolder(const std::filesystem::path& folder) override;
};

}  // namespace mirelo::win32
