// The two print operations. A job whose drawing fails is aborted, never
// ended, so no half-drawn page reaches the printer and no job stays open;
// the error goes on to the caller, which shows it instead of the success
// message.
#pragma once

#include "platform/print_job.h"
#include "platform/text_measurer.h"
#include "ui/main_state.h"

namespace mirelo {

inline constexpr char16_t kPrintJobTitle[] = u"Mirelo";

void PrintAllPages(const MainState& state, PrintJob& job, TextMeasurer& preview);
void PrintCurrentPage(const MainState& state, PrintJob& job, TextMeasurer& preview);

}  // namespace mirelo
