// The overview input's text in the main state: the folder and file kept
// beside the data file, loaded into the input field and box 2 at the first
// showing and written back at close.
#pragma once

#include <string_view>

#include "platform/file_store.h"
#include "platform/text_measurer.h"
#include "ui/main_state.h"
#include "ui/main_window_view.h"

namespace mirelo {

// When the folder of kept overviews is missing beside the data file: tells
// the user, then makes it with any missing parents. A folder that cannot be
// made is reported in an error box, and the showing goes on.
void EnsureOverviewFolder(const MainState& state, MainWindowView& view, FileStore& files);

// When the data file's overview file exists: its text becomes the input
// field's (OverviewText, with the encoding it was read in) and is wrapped
// into box 2. Without the file nothing changes. Creates no folder.
void LoadOverviewText(MainState& state, TextMeasurer& preview);

// Writes text, the input field's, to the overview file in the encoding it was
// read in; a text unchanged since the file was read leaves the file as it
// is. Throws OverviewFileError when it cannot be written.
void SaveOverviewText(const MainState& state, std::u16string_view text, FileStore& files);

}  // namespace mirelo
