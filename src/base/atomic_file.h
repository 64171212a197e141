// Replacing a file whole or not at all: the new content goes to a temporary
// file of its own beside the target, which is renamed over the target only
// when it is complete. A file the user keeps under a name like "x.tmp" is
// never touched.
#pragma once

#include <filesystem>
#include <optional>
#include <string_view>

namespace mirelo {

// Creates a new, empty file beside path under a name no other file has, and
// returns its path; nothing when the folder cannot take it.
std::optional<std::filesystem::path> CreateTempFileBeside(const std::filesystem::path& path);

// Renames the finished temporary file over path; on failure removes the
// temporary file and returns false, leaving path as it was.
bool CommitTempFile(const std::filesystem::path& temp, const std::filesystem::path& path);

// Writes bytes through a temporary file beside path. Returns false when
// anything fails; path is then exactly as it was, and no temporary file is
// left behind.
bool ReplaceFileAtomically(const std::filesystem::path& path, std::string_view bytes);

}  // namespace mirelo
