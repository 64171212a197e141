// The headless dump: the state after the first showing, as JSON.
#pragma once

#include <string>

#include "ui/main_state.h"

namespace mirelo {

std::string DumpLayoutJson(const MainState& state);

}  // namespace mirelo
