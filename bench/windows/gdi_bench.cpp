// The Windows build's drawing and layout, timed as the Debian build's are
// (bench/render_bench.cpp, bench/layout_bench.cpp) and under the same names,
// so that scripts/bench --windows can set them side by side: the preview
// page drawn through GDI on the DIB section, the 1,000-item survey printed
// page by page on an enhanced-metafile device context of A4 at 600 dots per
// inch (a printer's device context without a printer), and the layout with
// the GDI measurer and its kept prefix widths.
#include <benchmark/benchmark.h>

#include <memory>
#include <stdexcept>

#include "common/layout_work.h"
#include "common/survey_state.h"
#include "layout/kept_widths_measurer.h"
#include "ui/page_output.h"
#include "win32/dib_preview_image.h"
#include "win32/gdi_canvas.h"
#include "win32/gdi_text_measurer.h"
#include "win32/win32_locale.h"
#include "win32/windows_api.h"

namespace {

using namespace mirelo;
using bench::kPrinterDpi;
using bench::kScreenDpi;
using bench::PerPage;

// A print job whose pages are enhanced metafiles of A4, drawn at 600 dots
// per inch: every call a printer driver would get, recorded by GDI.
class MetafileJob : public PrintJob {
 public:
  ~MetafileJob() override { ClosePage(); }
  void Begin(std::u16string_view) override { OpenPage(); }
  Canvas& PageCanvas() override { return *canvas_; }
  void NewPage() override {
    ClosePage();
    OpenPage();
  }
  void End() override { ClosePage(); }
  void Abort() override { ClosePage(); }

 private:
  void OpenPage() {
    const RECT a4 = {0, 0, 21000, 29700};  // in hundredths of a millimetre
    dc_ = CreateEnhMetaFileW(nullptr, nullptr, &a4, nullptr);
    if (!dc_) throw std::runtime_error("CreateEnhMetaFileW failed");
    canvas_ = std::make_unique<win32::GdiCanvas>(dc_, kPrinterDpi, kPrinterDpi);
  }
  void ClosePage() {
    if (!dc_) return;
    canvas_.reset();
    DeleteEnhMetaFile(CloseEnhMetaFile(dc_));
    dc_ = nullptr;
  }
  HDC dc_ = nullptr;
  std::unique_ptr<win32::GdiCanvas> canvas_;
};

void BM_DrawPreviewPage(benchmark::State& state) {
  KeptWidthsMeasurer preview(std::make_unique<win32::GdiTextMeasurer>(kScreenDpi));
  const MainState survey = mirelo::bench::LargeSample(preview, win32::Win32LocaleInfo());
  const int width = RoundHalfEven(210 * survey.ScreenPpm.x);
  const int height = RoundHalfEven(297 * survey.ScreenPpm.y);
  for (auto _ : state) {
    win32::DibPreviewImage image(width, height, kScreenDpi);  // the cleared preview
    RenderPage(u'D', 1, survey, image.ImageCanvas(), preview);
    GdiFlush();  // every drawing is in the bits
  }
  state.counters["s/page"] = PerPage(1);
}

// Named as the Debian build's printing benchmark, which prints to PDF.
void BM_PrintLargeSurveyToPdf(benchmark::State& state) {
  KeptWidthsMeasurer preview(std::make_unique<win32::GdiTextMeasurer>(kScreenDpi));
  const MainState survey = mirelo::bench::ThousandItems(preview, win32::Win32LocaleInfo());
  for (auto _ : state) {
    MetafileJob job;
    PrintAllPages(survey, job, preview);
  }
  state.counters["pages"] = survey.PageCount;
  state.counters["s/page"] = PerPage(survey.PageCount);
}

void BM_LayoutFast(benchmark::State& state) {
  mirelo::bench::LayOut(
      state,
      [] { return std::make_unique<win32::GdiTextMeasurer>(mirelo::bench::kLayoutDpi, true); },
      true);
}

BENCHMARK(BM_DrawPreviewPage)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PrintLargeSurveyToPdf)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LayoutFast)->Unit(benchmark::kMillisecond)->MinTime(2.0);

}  // namespace

BENCHMARK_MAIN();
