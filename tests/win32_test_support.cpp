// The Windows side of the test support: the file store, the preview
// measurer, and a file size limit. Windows has no per-process limit on the
// size of files, so the limit is kept by the store the tests write through,
// which refuses a file that would pass it before anything is written.
#include <algorithm>
#include <optional>

#include "test_support.h"
#include "win32/gdi_text_measurer.h"
#include "win32/win32_file_store.h"

namespace mirelo::test {
namespace {

// The limit in force, if any; only the tests' one thread touches it.
std::optional<std::uint64_t>& Limit() {
  static std::optional<std::uint64_t> limit;
  return limit;
}

class LimitedFileStore final : public FileStore {
 public:
  std::optional<std::filesystem::path> CreateTempFileBeside(
      const std::filesystem::path& path) override {
    return store_.CreateTempFileBeside(path);
  }
  bool CommitTempFile(const std::filesystem::path& temp,
                      const std::filesystem::path& path) override {
    std::error_code ec;
    if (Limit() && std::filesystem::file_size(temp, ec) > *Limit()) {
      std::filesystem::remove(temp, ec);
      return false;
    }
    return store_.CommitTempFile(temp, path);
  }
  bool ReplaceFile(const std::filesystem::path& path, std::string_view bytes) override {
    if (Limit() && bytes.size() > *Limit()) return false;
    return store_.ReplaceFile(path, bytes);
  }
  bool CreateFolder(const std::filesystem::path& folder) override {
    return store_.CreateFolder(folder);
  }

 private:
  win32::Win32FileStore store_;
};

}  // namespace

FileStore& Files() {
  static LimitedFileStore store;
  return store;
}

std::unique_ptr<TextMeasurer> PreviewMeasurer(int dpi, bool fastPrefixWidths) {
  return std::make_unique<win32::GdiTextMeasurer>(dpi, fastPrefixWidths);
}

struct FileSizeLimit::Saved {
  std::optional<std::uint64_t> limit;
};

FileSizeLimit::FileSizeLimit(std::uint64_t bytes) : saved_(std::make_unique<Saved>()) {
  saved_->limit = Limit();
  Limit() = bytes;
}

FileSizeLimit::~FileSizeLimit() { Limit() = saved_->limit; }

}  // namespace mirelo::test
