// Drawing one page of the form on a canvas: the text of the 14 boxes, the
// two bitmaps, the rules and frames, the number row and the corner marks.
// The same drawing serves the preview and the printer; they differ only in
// the device mapping, the canvas's font metrics and two pen widths.
#pragma once

#include <string>
#include <string_view>

#include "layout/box_table.h"
#include "platform/canvas.h"
#include "platform/preview_image.h"
#include "platform/text_measurer.h"
#include "render/device_mapping.h"

namespace mirelo {

// What a page is drawn from, besides the mapping.
struct PageSource {
  const BoxTable& boxes;
  std::u16string_view insuredPersonNumber;
  int framePenWidth;
  // Text is always measured here, at the measuring resolution, on screen
  // and while printing alike, so printed lines break and place exactly as
  // the preview's.
  TextMeasurer& preview;
  double measuringPixelsPerMmX;
};

// Draws page (from 1) on canvas. onPrinter selects the printer's pen widths.
void DrawPage(int page, Canvas& canvas, bool onPrinter, const DeviceMapping& mapping,
              const PageSource& source);

// Empties the preview picture before a redraw, keeping the font the last
// drawing left on its canvas.
void ClearPreview(PreviewImage& preview);

// The character at 1-based position k of line as drawn: a TabMark is a
// space. The first unit of a character of several units (a surrogate pair,
// a base with its variation selectors) gives all of them, and the later
// units nothing; a lone surrogate is drawn as U+FFFD.
std::u16string CharForDrawing(std::u16string_view line, std::size_t k);

}  // namespace mirelo
