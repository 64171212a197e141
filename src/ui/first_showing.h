// What the main window does with the data at its first showing, without the
// window: fixed texts, survey data, date, items, the saved overview, and the
// page count. The headless modes show the state it leaves.
#pragma once

#include "platform/text_measurer.h"
#include "ui/main_state.h"

namespace mirelo {

// Throws DataFileError when the data file cannot be read or breaks the format,
// and std::runtime_error when a kept overview file cannot be read.
void PrepareFirstShowing(MainState& state, TextMeasurer& preview);

}  // namespace mirelo
