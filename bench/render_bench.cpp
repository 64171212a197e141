// Drawing the form: one page of the larger sample on the preview bitmap, and
// a survey of 1,000 items (31 pages) printed to PDF through the printer path,
// each reported per page.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <optional>
#include <string>

#include "layout/kept_widths_measurer.h"
#include "qt/qt_locale.h"
#include "thousand_items.h"
#include "qt/qt_preview_image.h"
#include "qt/qt_printer_job.h"
#include "qt/qt_text_measurer.h"
#include "render/page_renderer.h"
#include "ui/first_showing.h"
#include "ui/page_output.h"
#include "ui/startup.h"

namespace {

using namespace mirelo;

constexpr int kScreenDpi = 96;
constexpr int kPrinterDpi = 600;

// No settings file: every value its default.
class NoSettings : public ProfileStore {
 public:
  std::optional<std::u16string> ReadString(std::u16string_view, std::u16string_view) override {
    return std::nullopt;
  }
  bool WriteString(std::u16string_view, std::u16string_view, std::u16string_view) override {
    return false;
  }
};

MainState Survey(const std::filesystem::path& data, TextMeasurer& preview) {
  NoSettings settings;
  qt::QtLocaleInfo locale;
  MainState state;
  CreateMainState(state, std::filesystem::temp_directory_path(), data.string(), settings, locale,
                  std::nullopt, std::nullopt);
  state.Settings.SaveOverview = false;
  state.ScreenPpm = ScreenPixelsPerMm(kScreenDpi);
  state.PrinterPpm = PrinterPixelsPerMm(kPrinterDpi, kPrinterDpi);
  PrepareFirstShowing(state, preview);
  return state;
}

// Seconds per page, from the pages one iteration draws.
benchmark::Counter PerPage(int pages) {
  return benchmark::Counter(pages, benchmark::Counter::kIsIterationInvariantRate |
                                       benchmark::Counter::kInvert);
}

MainState LargeSample(TextMeasurer& preview) {
  return Survey(std::filesystem::path(MIRELO_SOURCE_DIR) / "samples" / "large-survey.txt", preview);
}

MainState ThousandItems(TextMeasurer& preview) {
  const std::filesystem::path data =
      std::filesystem::temp_directory_path() / "mirelo-bench-1000-items.txt";
  bench::WriteThousandItemSurvey(data);
  MainState state = Survey(data, preview);
  std::error_code ec;
  std::filesystem::remove(data, ec);
  return state;
}

void BM_DrawPreviewPage(benchmark::State& bench) {
  KeptWidthsMeasurer preview(std::make_unique<qt::QtTextMeasurer>(kScreenDpi));
  const MainState state = LargeSample(preview);
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
  const MainState state = ThousandItems(preview);
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
