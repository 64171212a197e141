#include "ui/overview_text.h"

#include "compose/box_contents.h"
#include "data/overview_file.h"

namespace mirelo {

void LoadOverviewText(MainState& state, TextMeasurer& preview) {
  std::optional<DecodedText> file = ReadOverviewFile(OverviewFilePath(state.DataFilePath));
  if (!file) return;
  state.OverviewText = std::move(file->text);
  state.OverviewEncoding = file->encoding;
  ComposeOverviewBox(state.Boxes, state.OverviewText, preview, state.ScreenPpm.x);
}

}  // namespace mirelo
