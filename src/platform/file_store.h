// Replacing a file the user keeps (the settings file, a kept overview, a
// headless output) whole or not at all, and durably: the new content goes
// to a temporary file of its own beside the target and reaches the disk
// before it is renamed over the target; the folder's new entry reaches the
// disk after the rename. A power cut at any moment then leaves the old file
// or the new one, whole, and so does a write killed at any moment; the
// temporaries a cut-off write left are removed when the same file is next
// replaced; one that a ReplaceFile still writes is left alone (a temporary
// from CreateTempFileBeside, written by name, is not held so). The new file
// gets the old one's permissions. Something that is no regular file (a
// device, a pipe) is never replaced. A file the user keeps under a name
// like "x.tmp" is never touched.
#pragma once

#include <filesystem>
#include <optional>
#include <string_view>

namespace mirelo {

class FileStore {
 public:
  virtual ~FileStore() = default;
  // Creates a new, empty file beside path under a name no other file has,
  // and returns its path; nothing when the folder cannot take it.
  virtual std::optional<std::filesystem::path> CreateTempFileBeside(
      const std::filesystem::path& path) = 0;
  // Flushes the finished temporary file to the disk and renames it over
  // path, then flushes the folder. On failure removes the temporary file and
  // returns false, leaving path as it was.
  virtual bool CommitTempFile(const std::filesystem::path& temp,
                              const std::filesystem::path& path) = 0;
  // Writes bytes through a temporary file beside path and commits it.
  // Returns false when anything fails; path is then exactly as it was, and
  // no temporary file is left behind.
  virtual bool ReplaceFile(const std::filesystem::path& path, std::string_view bytes) = 0;
  // Makes the folder with any missing parents, each flushed with its
  // parent's entry for it. True when the folder is there afterwards.
  virtual bool CreateFolder(const std::filesystem::path& folder) = 0;
};

}  // namespace mirelo
