#include "ui/overview_text.h"

#include <filesystem>

#include "base/format_message.h"
#include "base/messages.h"
#include "base/utf8_path.h"
#include "compose/box_contents.h"
#include "data/overview_file.h"
#include "layout/measuring_resolution.h"

namespace mirelo {

void EnsureOverviewFolder(const MainState& state, MainWindowView& view, FileStore& files) {
  const std::filesystem::path folder = OverviewFolder(state.DataFilePath);
  std::error_code ec;
  if (std::filesystem::is_directory(folder, ec)) return;
  view.ShowMessage(msg::kOverviewFolderNotice);
  // A folder that cannot be made leaves the showing going on; a save at
  // close then fails with its own message and keeps the window open until
  // the user unchecks the save option.
  if (!files.CreateFolder(folder))
    view.ShowError(FormatMessage(msg::kOverviewFolderCannotCreate, PathToUtf8(folder)));
}

void LoadOverviewText(MainState& state, TextMeasurer& preview) {
  std::optional<DecodedText> file = ReadOverviewFile(OverviewFilePath(state.DataFilePath));
  if (!file) return;
  state.OverviewText = std::move(file->text);
  state.OverviewEncoding = file->encoding;
  state.OverviewAsRead = state.OverviewText;
  ComposeOverviewBox(state.Boxes, state.OverviewText, preview, kMeasuringPixelsPerMm);
}

void SaveOverviewText(const MainState& state, std::u16string_view text, FileStore& files) {
  // Unchanged since it was read: written again it could only change, in
  // encoding (a broken byte read as U+FFFD) or line breaks.
  if (state.OverviewAsRead && ToCrLf(*state.OverviewAsRead) == ToCrLf(text)) return;
  WriteOverviewFile(OverviewFilePath(state.DataFilePath), text, state.OverviewEncoding, files);
}

}  // namespace mirelo
