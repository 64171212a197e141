// The file store on a POSIX system: fsync of the new file before the
// rename, of its folder after it.
#pragma once

#include "platform/file_store.h"

namespace mirelo::posix {

class PosixFileStore final : public FileStore {
 public:
  std::optional<std::filesystem::path> CreateTempFileBeside(
      const std::filesystem::path& path) override;
  bool CommitTempFile(const std::filesystem::path& temp,
                      const std::filesystem::path& path) override;
  bool ReplaceFile(const std::filesystem::path& path, std::string_view bytes) override;
  bool CreateFolder(const std::filesystem::path& folder) override;
};

}  // namespace mirelo::posix
