// One print job on the selected printer (or a PDF file standing in for one).
#pragma once

#include <string_view>

#include "platform/canvas.h"

namespace mirelo {

class PrintJob {
 public:
  virtual ~PrintJob() = default;
  // Starts the document with its title as the print queue shows it; the
  // first page is open afterwards. Throws std::runtime_error on failure.
  virtual void Begin(std::u16string_view title) = 0;
  virtual Canvas& PageCanvas() = 0;
  virtual void NewPage() = 0;
  // Hands the document to the printer. Throws std::runtime_error on failure.
  virtual void End() = 0;
  // Drops the document: nothing of it reaches the printer.
  virtual void Abort() = 0;
};

}  // namespace mirelo
