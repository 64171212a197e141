// The start-up steps shared by the window and the headless modes.
#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "platform/locale_info.h"
#include "platform/profile_store.h"
#include "ui/main_state.h"

namespace mirelo {

// The main window's create step without the window: paths, box table,
// settings, page state. defaultLeft/defaultTop are the centred window
// position, or nothing where there is no window.
void CreateMainState(MainState& state, const std::filesystem::path& appDir,
                     const std::string& dataFilePath, ProfileStore& profile,
                     const LocaleInfo& locale, std::optional<int> defaultLeft,
                     std::optional<int> defaultTop);

// A data file exists at path: a file, not a folder.
bool DataFileExists(const std::string& dataFilePath);

}  // namespace mirelo
