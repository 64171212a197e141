// control.ini: an INI file with CR LF line ends, read and written one key at
// a time, in code page 932 or in the Unicode form its byte-order mark names. Each write replaces
// the whole file through the file store, so a failed write or a power cut leaves the file as it
// was.
#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "platform/file_store.h"
#include "platform/profile_store.h"

namespace mirelo {

class IniFile : public ProfileStore {
 public:
  // sharedFile: while path does not exist, the file read in its place; the
  // first write makes path, with its folder, from the shared file's lines,
  // so a user's own copy keeps all the shared file held.
  IniFile(std::filesystem::path path, FileStore& files,
          std::optional<std::filesystem::path> sharedFile = std::nullopt)
      : path_(std::move(path)), files_(files), sharedFile_(std::move(sharedFile)) {}

  std::optional<std::u16string> ReadString(std::u16string_view section,
                                           std::u16string_view key) override;
  bool WriteString(std::u16string_view section, std::u16string_view key,
                   std::u16string_view value) override;

  const std::filesystem::path& Path() const { return path_; }

  // A file that exists but cannot be read is tried again for about a
  // second: a virus scanner or a backup holds a file for milliseconds. The
  // keys are then read from what this read, until the first write.
  bool WaitUntilReadable() override;
  std::string Where() const override;

  // The file that holds the settings now: path, or the shared file until
  // path exists.
  const std::filesystem::path& Source() const;

 private:
  std::filesystem::path path_;
  FileStore& files_;
  std::optional<std::filesystem::path> sharedFile_;
  // The bytes WaitUntilReadable read, which the keys are read from until
  // the first write.
  std::optional<std::string> snapshot_;
};

}  // namespace mirelo
