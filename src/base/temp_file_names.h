// The names of the temporary files through which a file is replaced: short
// whatever the target's name (a name of 255 characters, the most a folder
// entry holds, still has room for its temporary beside it), and telling
// whose they are, so that the temporaries a killed or cut-off write left
// behind can be found and removed when the same file is next written.
#pragma once

#include <filesystem>
#include <string>

namespace mirelo {

// ".mirelo-HHHHHHHH-": H the hash of the target's file name. A temporary of
// the target is this, eight hexadecimal digits of its own, and ".tmp".
std::string TempFilePrefix(const std::filesystem::path& target);

// A temporary name for target, with unique in its second part.
std::filesystem::path TempFileName(const std::filesystem::path& target, unsigned long unique);

// Whether the entry named name is one of target's temporaries.
bool IsTempFileOf(const std::filesystem::path& name, const std::filesystem::path& target);

}  // namespace mirelo
