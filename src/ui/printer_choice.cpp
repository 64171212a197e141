#include "ui/printer_choice.h"

#include <algorithm>
#include <stdexcept>

#include "base/messages.h"
#include "base/text_encoding.h"

namespace mirelo {

bool PrinterChoice::SelectDefault() {
  if (system_.PrinterNames().empty()) {
    if (!system_.WritesPdfWithoutPrinter()) return false;
    current_ = Current::OwnPdf;
    return true;
  }
  const std::u16string name = system_.DefaultPrinterName();
  if (name.empty() || !system_.SelectPrinter(name)) return false;
  current_ = Current::System;
  return true;
}

std::u16string PrinterChoice::Name() const {
  switch (current_) {
    case Current::System:
      return system_.CurrentPrinterName();
    case Current::OwnPdf:
      return FromUtf8(msg::kOwnPdfPrinterName);
    case Current::None:
      break;
  }
  return {};
}

int PrinterChoice::LogPixelsX() const {
  return current_ == Current::System ? system_.LogPixelsX() : kOwnPdfDpi;
}

int PrinterChoice::LogPixelsY() const {
  return current_ == Current::System ? system_.LogPixelsY() : kOwnPdfDpi;
}

std::unique_ptr<PrinterDraft> PrinterChoice::StartSetup() {
  const std::vector<std::u16string> names = system_.PrinterNames();
  if (names.empty()) return nullptr;
  const auto has = [&](const std::u16string& name) {
    return !name.empty() && std::find(names.begin(), names.end(), name) != names.end();
  };
  std::u16string start;
  if (current_ == Current::System) start = system_.CurrentPrinterName();
  if (!has(start)) start = system_.DefaultPrinterName();
  if (!has(start)) start = names.front();
  return system_.CreateDraft(start);
}

bool PrinterChoice::FinishSetup(PrinterDraft& draft) {
  if (!system_.AdoptDraft(draft)) return false;
  current_ = Current::System;
  return true;
}

std::unique_ptr<PrintJob> PrinterChoice::CreateJob(
    const std::function<std::optional<std::filesystem::path>()>& askPdfName) {
  switch (current_) {
    case Current::System:
      return system_.CreateJob();
    case Current::OwnPdf: {
      const std::optional<std::filesystem::path> typed = askPdfName();
      if (!typed || typed->empty()) return nullptr;
      return system_.CreatePdfJob(WithPdfEnding(*typed), kOwnPdfDpi, 0, 0).job;
    }
    case Current::None:
      break;
  }
  throw std::runtime_error(msg::kNoDefaultPrinter);
}

std::filesystem::path WithPdfEnding(const std::filesystem::path& typed) {
  // An ending is a dot with something after it in the file's own name.
  const std::u8string name = typed.filename().u8string();
  const std::size_t dot = name.rfind(u8'.');
  if (dot != std::u8string::npos && dot + 1 < name.size()) return typed;
  std::filesystem::path withEnding = typed;
  withEnding += u8".pdf";
  return withEnding;
}

}  // namespace mirelo
