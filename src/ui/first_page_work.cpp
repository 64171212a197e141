#include "ui/first_page_work.h"

#include "base/geometry.h"
#include "layout/kept_widths_measurer.h"
#include "layout/measuring_resolution.h"
#include "render/device_mapping.h"
#include "render/page_renderer.h"
#include "ui/first_showing.h"
#include "ui/page_output.h"

namespace mirelo {

FirstPageWork::FirstPageWork(MainState state, int dotsPerInch, MeasurerMaker makeMeasurer,
                             PictureMaker makePicture) {
  result_.state = std::move(state);
  result_.dotsPerInch = dotsPerInch;
  worker_ = std::thread(&FirstPageWork::Run, this, std::move(makeMeasurer), std::move(makePicture));
}

FirstPageWork::~FirstPageWork() {
  if (worker_.joinable()) worker_.join();
}

FirstPageWork::Result FirstPageWork::Take() {
  if (worker_.joinable()) worker_.join();
  return std::move(result_);
}

void FirstPageWork::Run(MeasurerMaker makeMeasurer, PictureMaker makePicture) {
  Result& r = result_;
  try {
    // The worker's own, and gone with it: a toolkit may tie the fonts it
    // loaded to the thread that loaded them. The window measures with one
    // of its own thread, at the same resolution, and so alike.
    const auto measurer = std::make_unique<KeptWidthsMeasurer>(makeMeasurer());
    // The window makes the overview folder at the handover; a kept overview
    // is only read here, which a folder made later cannot change.
    PrepareFirstShowing(r.state, *measurer, {},
                        [&](const OverviewFileError& e) { r.overviewError = e.what(); });
    r.state.ScreenPpm = ScreenPixelsPerMm(r.dotsPerInch);
    r.picture = makePicture(RoundHalfEven(210 * r.state.ScreenPpm.x),
                            RoundHalfEven(297 * r.state.ScreenPpm.y), r.dotsPerInch);
    if (!r.picture) return;
    ClearPreview(*r.picture);
    RenderPage(u'D', r.state.CurrentPage, r.state, r.picture->ImageCanvas(), *measurer);
    r.picture->FinishDrawing();
  } catch (...) {
    r.error = std::current_exception();
  }
}

}  // namespace mirelo
