// A print job on a QPrinter: a system printer through CUPS, or a PDF file
// standing in for one with a given resolution and unprintable margin.
#pragma once

#include <QPainter>
#include <QPrinter>

#include <filesystem>
#include <memory>
#include <optional>
#include <string>

#include "platform/print_job.h"
#include "qt/qt_painter_canvas.h"

namespace mirelo::qt {

class QtPrinterJob : public PrintJob {
 public:
  // A job on a system printer, with its own resolution and margins.
  explicit QtPrinterJob(QPrinter& printer);
  // A PDF file of A4 pages at dotsPerInch, whose canvas starts marginX,
  // marginY dots into the paper as a printer's printable area does. The file
  // appears only when the job ends.
  static std::unique_ptr<QtPrinterJob> ForPdf(const std::filesystem::path& path, int dotsPerInch,
                                              int marginX, int marginY);
  ~QtPrinterJob() override;

  void Begin(std::u16string_view title) override;
  Canvas& PageCanvas() override { return *canvas_; }
  void NewPage() override;
  void End() override;
  void Abort() override;

 private:
  QtPrinterJob(std::unique_ptr<QPrinter> owned, std::filesystem::path pdfPath,
               std::filesystem::path pdfTemp, int marginX, int marginY);
  // Whether the system still has the job's printer (a PDF file always is).
  bool PrinterStillThere() const;
  // The printer's name, or the PDF file's, for messages.
  std::string OutputName() const;

  std::unique_ptr<QPrinter> owned_;
  QPrinter& printer_;
  std::optional<std::filesystem::path> pdfPath_;  // the PDF's name
  std::optional<std::filesystem::path> pdfTemp_;  // where it is written until the job ends
  int emulatedMarginX_ = 0, emulatedMarginY_ = 0;
  QPainter painter_;
  std::unique_ptr<QtPainterCanvas> canvas_;
};

}  // namespace mirelo::qt
