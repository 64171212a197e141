// The program's name and version, as `mirelo --version` says them.
#pragma once

#include <string>

namespace mirelo {

// "Mirelo 0.1.0+12.gabc1234": the version from the build (the Git
// description of the commit built, where there is one).
std::string VersionLine();

}  // namespace mirelo
