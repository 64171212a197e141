#include "app/version.h"

#include "app/build_version.h"  // generated at build time

namespace mirelo {

std::string VersionLine() { return std::string("Mirelo ") + MIRELO_VERSION; }

}  // namespace mirelo
