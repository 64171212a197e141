#include "ui/first_showing.h"

#include "base/messages.h"
#include "base/utf8_path.h"
#include "compose/box_contents.h"
#include "layout/char_placement.h"
#include "layout/measuring_resolution.h"
#include "ui/overview_text.h"

namespace mirelo {

void PrepareFirstShowing(MainState& state, TextMeasurer& preview,
                         const std::function<void()>& beforeOverview,
                         const std::function<void(const OverviewFileError&)>& overviewUnreadable) {
  const double ppmX = kMeasuringPixelsPerMm;
  state.OverviewText = FromUtf8(msg::kOverviewPlaceholder);
  state.OverviewEncoding.reset();

  ComposeFixedBoxes(state.Boxes, preview, ppmX);
  LoadSurveyData(PathFromUtf8(state.DataFilePath), state.Settings.sw5, state.Survey);
  ComposeDateBox(state.Boxes, state.Survey.SurveyDate, kDateFormatAtShow, preview, ppmX);
  if (state.Survey.Items.size() > 1) ComposeItemBox(state.Boxes, state.Survey.Items, preview, ppmX);
  // The window makes sure the overview folder exists here; the headless
  // modes create nothing.
  if (beforeOverview) beforeOverview();
  bool lookedFor = true;
  if (state.Settings.SaveOverview) {
    try {
      LoadOverviewText(state, preview);
    } catch (const OverviewFileError& e) {
      if (!overviewUnreadable) throw;
      overviewUnreadable(e);
      lookedFor = false;
    }
  }

  state.PageCount = CountPages(state.Boxes);
  state.OverviewLookedFor = lookedFor;
}

}  // namespace mirelo
