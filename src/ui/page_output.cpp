#include "ui/page_output.h"

#include "layout/measuring_resolution.h"
#include "render/device_mapping.h"
#include "render/page_renderer.h"
#include "render/printing.h"

namespace mirelo {

void RenderPage(char16_t target, int page, const MainState& state, Canvas& canvas,
                TextMeasurer& preview) {
  const PrintSettings& s = state.Settings;
  const bool onPrinter = target != u'D';
  const DeviceMapping map =
      onPrinter ? PrinterMapping(state.PrinterPpm, s.x_Bai, s.y_Bai, s.x_offset, s.y_offset,
                                 canvas.PhysicalOffsetX(), canvas.PhysicalOffsetY())
                : ScreenMapping(state.ScreenPpm, s.x_Bai, s.y_Bai, s.x_offset, s.y_offset);
  const PageSource source{state.Boxes, state.Survey.InsuredPersonNumber, s.FramePenWidth, preview,
                          kMeasuringPixelsPerMm};
  DrawPage(page, canvas, onPrinter, map, source);
}

void PrintAllPages(const MainState& state, PrintJob& job, TextMeasurer& preview) {
  PrintPages(job, 1, state.PageCount,
             [&](int page, Canvas& canvas) { RenderPage(u'P', page, state, canvas, preview); });
}

void PrintCurrentPage(const MainState& state, PrintJob& job, TextMeasurer& preview) {
  PrintPages(job, state.CurrentPage, state.CurrentPage,
             [&](int page, Canvas& canvas) { RenderPage(u'P', page, state, canvas, preview); });
}

}  // namespace mirelo
