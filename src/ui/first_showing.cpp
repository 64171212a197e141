#include "ui/first_showing.h"

#include "base/messages.h"
#include "compose/box_contents.h"
#include "layout/char_placement.h"
#include "ui/overview_text.h"

namespace mirelo {

void PrepareFirstShowing(MainState& state, TextMeasurer& preview,
                         const std::function<void()>& beforeOverview) {
  const double ppmX = state.ScreenPpm.x;
  state.OverviewText = FromUtf8(msg::kOverviewPlaceholder);
  state.OverviewEncoding.reset();

  ComposeFixedBoxes(state.Boxes, preview, ppmX);
  LoadSurveyData(state.DataFilePath, state.Settings.sw5, state.Survey);
  ComposeDateBox(state.Boxes, state.Survey.SurveyDate, kDateFormatAtShow, preview, ppmX);
  if (state.Survey.Items.size() > 1) ComposeItemBox(state.Boxes, state.Survey.Items, preview, ppmX);
  // The window makes sure the overview folder exists here; the headless
  // modes create nothing.
  if (beforeOverview) beforeOverview();
  if (state.Settings.SaveOverview) LoadOverviewText(state, preview);

  state.PageCount = CountPages(state.Boxes);
}

}  // namespace mirelo
