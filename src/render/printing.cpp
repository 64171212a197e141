#include "render/printing.h"

namespace mirelo {

void PrintPages(PrintJob& job, int firstPage, int lastPage,
                const std::function<void(int page, Canvas& canvas)>& drawPage) {
  job.Begin(kPrintJobTitle);
  try {
    for (int p = firstPage; p <= lastPage; ++p) {
      drawPage(p, job.PageCanvas());
      if (p < lastPage) job.NewPage();
    }
  } catch (...) {
    job.Abort();
    throw;
  }
  job.End();
}

}  // namespace mirelo
