#include "ui/overview_text.h"

#include <filesystem>

#include "base/messages.h"
#include "compose/box_contents.h"
#include "data/overview_file.h"

namespace mirelo {

void EnsureOverviewFolder(const MainState& state, MainWindowView& view) {
  const std::filesystem::path folder = OverviewFolder(state.DataFilePath);
  std::error_code ec;
  if (std::filesystem::exists(folder, ec)) return;
  view.ShowMessage(msg::kOverviewFolderNotice);
  std::filesystem::create_directories(folder, ec);
}

void LoadOverviewText(MainState& state, TextMeasurer& preview) {
  std::optional<DecodedText> file = ReadOverviewFile(OverviewFilePath(state.DataFilePath));
  if (!file) return;
  state.OverviewText = std::move(file->text);
  state.OverviewEncoding = file->encoding;
  ComposeOverviewBox(state.Boxes, state.OverviewText, preview, state.ScreenPpm.x);
}

void SaveOverviewText(const MainState& state, std::u16string_view text, FileStore& files) {
  WriteOverviewFile(OverviewFilePath(state.DataFilePath), text, state.OverviewEncoding, files);
}

}  // namespace mirelo
