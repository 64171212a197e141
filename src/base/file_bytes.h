// Reading a whole file as bytes.
#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace mirelo {

// The file's bytes, or nothing when it cannot be opened or read through (a
// folder in its place, a failing disk). Never throws for a read error.
std::optional<std::string> ReadFileBytes(const std::filesystem::path& path);

}  // namespace mirelo
