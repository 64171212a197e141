// One print job over a run of pages. A job whose drawing fails is aborted,
// never ended, so no half-drawn page reaches the printer and no job stays
// open; the error goes on to the caller, which shows it instead of the
// success message.
#pragma once

#include <functional>

#include "platform/canvas.h"
#include "platform/print_job.h"

namespace mirelo {

inline constexpr char16_t kPrintJobTitle[] = u"Mirelo";

// Opens the job titled kPrintJobTitle and calls drawPage for the pages
// firstPage to lastPage in order, each on a page of its own.
void PrintPages(PrintJob& job, int firstPage, int lastPage,
                const std::function<void(int page, Canvas& canvas)>& drawPage);

}  // namespace mirelo
