#include "win32/gdi_print_job.h"

#include <stdexcept>
#include <system_error>
#include <vector>

#include "base/format_message.h"
#include "base/messages.h"
#include "base/utf8_path.h"
#include "win32/wide_text.h"
#include "win32/win32_file_store.h"

namespace mirelo::win32 {

GdiPrintJob::GdiPrintJob(OwnedDc dc, std::wstring printerName,
                         std::optional<std::filesystem::path> outputFile)
    : dc_(std::move(dc)), printer_(std::move(printerName)), outputFile_(std::move(outputFile)) {}

GdiPrintJob::~GdiPrintJob() {
  if (open_) Abort();
  canvas_.reset();
  dc_.Reset();  // the printer lets go of its file before the file goes
  if (outputTemp_) DeleteFileW(outputTemp_->c_str());
}

void GdiPrintJob::Fail() {
  if (open_) Abort();
  throw std::runtime_error(FormatMessage(msg::kPrintStartFailed, Utf8FromWide(printer_)));
}

void GdiPrintJob::Begin(std::u16string_view title) {
  const std::wstring docName = Wide(title);
  DOCINFOW doc = {};
  doc.cbSize = sizeof(doc);
  doc.lpszDocName = docName.c_str();
  if (outputFile_) {
    // The printer writes into a file of its own beside the output, which
    // takes the output's name only when it is complete.
    outputTemp_ = Win32FileStore().CreateTempFileBeside(*outputFile_);
    if (!outputTemp_)
      throw std::runtime_error(FormatMessage(msg::kCannotWrite, PathToUtf8(*outputFile_)));
    doc.lpszOutput = outputTemp_->c_str();
  }
  jobId_ = StartDocW(dc_.Get(), &doc);
  if (jobId_ <= 0) Fail();
  open_ = true;
  if (StartPage(dc_.Get()) <= 0) Fail();
  canvas_ = std::make_unique<GdiCanvas>(dc_.Get());
}

void GdiPrintJob::NewPage() {
  if (EndPage(dc_.Get()) <= 0 || StartPage(dc_.Get()) <= 0) Fail();
  canvas_->Reset();  // a new page starts with the device's defaults
}

void GdiPrintJob::End() {
  canvas_.reset();
  if (EndPage(dc_.Get()) <= 0) Fail();
  open_ = false;
  if (EndDoc(dc_.Get()) <= 0)
    throw std::runtime_error(FormatMessage(msg::kPrintStartFailed, Utf8FromWide(printer_)));
  if (outputFile_) {
    // A job that failed, or a file the printer never wrote, is no PDF.
    if (!WaitForOutputFile() || !Win32FileStore().CommitTempFile(*outputTemp_, *outputFile_))
      throw std::runtime_error(FormatMessage(msg::kCannotWrite, PathToUtf8(*outputFile_)));
    outputTemp_.reset();
  }
}

void GdiPrintJob::Abort() {
  canvas_.reset();
  if (open_) AbortDoc(dc_.Get());
  open_ = false;
}

// The spooler writes the file after EndDoc: the job is done when the queue
// no longer holds it. True when it left without an error and the file has
// content.
bool GdiPrintJob::WaitForOutputFile() {
  HANDLE opened = nullptr;
  if (OpenPrinterW(printer_.data(), &opened, nullptr)) {
    const PrinterHandle printer(opened);
    bool left = false;
    for (int waited = 0; waited < 120 * 10 && !left; ++waited) {
      DWORD needed = 0;
      GetJobW(printer.Get(), static_cast<DWORD>(jobId_), 1, nullptr, 0, &needed);
      left = needed == 0;
      if (left) break;
      std::vector<BYTE> info(needed);
      if (GetJobW(printer.Get(), static_cast<DWORD>(jobId_), 1, info.data(), needed, &needed)) {
        const DWORD status = reinterpret_cast<const JOB_INFO_1W*>(info.data())->Status;
        if (status & (JOB_STATUS_ERROR | JOB_STATUS_DELETING | JOB_STATUS_DELETED)) break;
      }
      Sleep(100);
    }
    if (!left) return false;
  }
  WIN32_FILE_ATTRIBUTE_DATA data;
  return GetFileAttributesExW(outputTemp_->c_str(), GetFileExInfoStandard, &data) &&
         (data.nFileSizeLow != 0 || data.nFileSizeHigh != 0);
}

}  // namespace mirelo::win32
