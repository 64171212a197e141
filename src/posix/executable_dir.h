// The folder of the running executable, where control.ini is kept.
#pragma once

#include <filesystem>

namespace mirelo::posix {

// From /proc/self/exe; where that cannot be read, from argv0 as given.
std::filesystem::path ExecutableDir(const char* argv0);

}  // namespace mirelo::posix
