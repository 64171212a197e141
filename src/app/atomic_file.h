// Replacing a file whole or not at all.
#pragma once

#include <filesystem>
#include <string_view>

namespace mirelo {

// Writes bytes to a temporary file beside path, then renames it over path.
// Returns false when anything fails; path is then exactly as it was, and no
// temporary file is left behind.
bool ReplaceFileAtomically(const std::filesystem::path& path, std::string_view bytes);

}  // namespace mirelo
