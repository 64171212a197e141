// Drawing the form: one page of the larger sample on the preview bitmap, and
// a survey of 1,000 items (31 pages) printed to PDF through the printer path,
// each reported per page.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <optional>
#include <string>

#include "common/survey_state.h"
#include "layout/kept_widths_measurer.h"
#include "qt/qt_locale.h"
#include "qt/qt_preview_image.h"
#include "qt/qt_printer_job.h"
#include "qt/qt_text_measurer.h"
#include "render/page_renderer.h"
#include "ui/page_output.h"

namespace {

using namespace mirelo;
using bench::kPrinterDpi;
using bench::kScreenDpi;
using bench::PerPage;

void BM_DrawPreviewPage(benchmark::State& bench) {
  KeptWidthsMeasurer preview(std::make_unique<qt::QtTextMeasurer>(kScreenDpi));
  const MainState state = mirelo::bench::LargeSample(preview, qt::QtLocaleInfo());
  const int width = RoundHalfEven(210 * state.ScreenPpm.x);
  const int height = RoundHalfEven(297 * state.ScreenPpm.y);
  for (auto _ : bench) {
    qt::QtPreviewImage image(width, height, kScreenDpi);  // the cleared preview
    RenderPage(u'D', 1, state, image.ImageCanvas(), preview);
    benchmark::DoNotOptimize(image.Image().constBits());
  }
  bench.counters["s/page"] = PerPage(1);
}

void BM_PrintLargeSurveyToPdf(benchmark::State& bench) {
  KeptWidthsMeasurer preview(std::make_unique<qt::QtTextMeasurer>(kScreenDpi));
  const MainState state = mirelo::bench::ThousandItems(preview, qt::QtLocaleInfo());
  const std::filesystem::path pdf =
      std::filesystem::temp_directory_path() / "mirelo-bench-print.pdf";
  for (auto _ : bench) {
    auto job = qt::QtPrinterJob::ForPdf(pdf, kPrinterDpi, 0, 0);
    PrintAllPages(state, *job, preview);
  }
  std::error_code ec;
  std::filesystem::remove(pdf, ec);
  bench.counters["pages"] = state.PageCount;
  bench.counters["s/page"] = PerPage(state.PageCount);
}

BENCHMARK(BM_DrawPreviewPage)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PrintLargeSurveyToPdf)->Unit(benchmark::kMillisecond);

}  // namespace
