// What the main window does with the data at its first showing, without the
// window: fixed texts, survey data, date, items, the saved overview, and the
// page count. The headless modes show the state it leaves.
#pragma once

#include <functional>

#include "data/overview_file.h"
#include "platform/text_measurer.h"
#include "ui/main_state.h"

namespace mirelo {

// Throws DataFileError when the data file cannot be read or breaks the format,
// and OverviewFileError when a kept overview file cannot be read.
// beforeOverview, where given, runs after the item box is composed and
// before the kept overview is looked for: the window's place to make the
// overview folder. overviewUnreadable, where given, takes the error of a
// kept overview that cannot be read in place of the throw, and the showing
// goes on without it: box 2 stays empty and the state is left as if the
// overview had not been looked for, so that nothing is saved over the file.
void PrepareFirstShowing(
    MainState& state, TextMeasurer& preview, const std::function<void()>& beforeOverview = {},
    const std::function<void(const OverviewFileError&)>& overviewUnreadable = {});

}  // namespace mirelo
