#include "render/printing.h"

#include "render/page_renderer.h"

namespace mirelo {
namespace {

template <typename Pages>
void RunJob(PrintJob& job, Pages drawPages) {
  job.Begin(kPrintJobTitle);
  try {
    drawPages();
  } catch (...) {
    job.Abort();
    throw;
  }
  job.End();
}

}  // namespace

void PrintAllPages(const MainState& state, PrintJob& job, TextMeasurer& preview) {
  RunJob(job, [&] {
    for (int p = 1; p <= state.PageCount; ++p) {
      RenderPage(u'P', p, state, job.PageCanvas(), preview);
      if (p < state.PageCount) job.NewPage();
    }
  });
}

void PrintCurrentPage(const MainState& state, PrintJob& job, TextMeasurer& preview) {
  RunJob(job, [&] { RenderPage(u'P', state.CurrentPage, state, job.PageCanvas(), preview); });
}

}  // namespace mirelo
