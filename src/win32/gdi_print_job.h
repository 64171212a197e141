// A print job through GDI on a printer's device context: StartDocW,
// StartPage and EndPage for each page, EndDoc; AbortDoc drops it.
#pragma once

#include <filesystem>
#include <memory>
#include <optional>
#include <string>

#include "platform/print_job.h"
#include "win32/gdi_canvas.h"
#include "win32/scoped_handles.h"
#include "win32/windows_api.h"

namespace mirelo::win32 {

class GdiPrintJob : public PrintJob {
 public:
  // Takes the printer's device context. With outputFile, the printer
  // writes the document there (a PDF printer), and the job waits at its end
  // until the file is complete.
  GdiPrintJob(OwnedDc dc, std::wstring printerName,
              std::optional<std::filesystem::path> outputFile = {});
  ~GdiPrintJob() override;
  GdiPrintJob(const GdiPrintJob&) = delete;
  GdiPrintJob& operator=(const GdiPrintJob&) = delete;

  void Begin(std::u16string_view title) override;
  Canvas& PageCanvas() override { return *canvas_; }
  void NewPage() override;
  void End() override;
  void Abort() override;

 private:
  [[noreturn]] void Fail();
  bool WaitForOutputFile();

  OwnedDc dc_;
  std::wstring printer_;
  std::optional<std::filesystem::path> outputFile_;
  std::optional<std::filesystem::path> outputTemp_;
  int jobId_ = 0;
  bool open_ = false;
  std::unique_ptr<GdiCanvas> canvas_;
};

}  // namespace mirelo::win32
