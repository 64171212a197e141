#include "app/first_showing.h"

namespace mirelo {

void PrepareFirstShowing(MainState& state, TextMeasurer& /*preview*/) {
  LoadSurveyData(state.DataFilePath, state.Settings.sw5, state.Survey);
}

}  // namespace mirelo
