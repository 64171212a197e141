// The file store on Windows: the new content goes to a temporary file in
// the target's folder, FlushFileBuffers takes it to the disk, and
// ReplaceFileW puts it in the target's place (the target's attributes and
// security kept), or MoveFileExW with write-through where there is no
// target yet. A read-only target is reported, not replaced: on Windows the
// attribute says the file is not to be changed.
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
