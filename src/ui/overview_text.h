// The overview input's text in the main state: loaded from the kept file
// into the input field and box 2.
#pragma once

#include "platform/text_measurer.h"
#include "ui/main_state.h"

namespace mirelo {

// When the data file's overview file exists: its text becomes the input
// field's (OverviewText, with the encoding it was read in) and is wrapped
// into box 2. Without the file nothing changes. Creates no folder.
void LoadOverviewText(MainState& state, TextMeasurer& preview);

}  // namespace mirelo
