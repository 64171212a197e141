// The main state onto a canvas: the preview page, and the two print
// operations.
#pragma once

#include "platform/canvas.h"
#include "platform/print_job.h"
#include "platform/text_measurer.h"
#include "ui/main_state.h"

namespace mirelo {

// Applies the offset rule for target ("D" the preview, anything else the
// printer) and draws the page on the canvas of that output.
void RenderPage(char16_t target, int page, const MainState& state, Canvas& canvas,
                TextMeasurer& preview);

// Every page, or the current one, as one print job.
void PrintAllPages(const MainState& state, PrintJob& job, TextMeasurer& preview);
void PrintCurrentPage(const MainState& state, PrintJob& job, TextMeasurer& preview);

}  // namespace mirelo
