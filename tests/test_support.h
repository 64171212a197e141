// Small helpers shared by the tests: a temporary folder that removes itself,
// whole-file byte access, running the built program, and reading its JSON.
#pragma once

#include <QJsonObject>
#include <QJsonValue>

#include <sys/resource.h>

#include <csignal>
#include <cstddef>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <ostream>
#include <random>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "posix/posix_file_store.h"

namespace mirelo::test {

class TempDir {
 public:
  TempDir() {
    std::random_device rd;
    const auto base = std::filesystem::temp_directory_path();
    for (int attempt = 0;; ++attempt) {
      path_ = base / ("mirelo-test-" + std::to_string(rd()) + "-" + std::to_string(attempt));
      if (std::filesystem::create_directory(path_)) break;
    }
  }
  ~TempDir() {
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
  }
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  const std::filesystem::path& path() const { return path_; }
  std::filesystem::path operator/(std::string_view name) const { return path_ / name; }

  // The names of the entries directly inside the folder.
  std::set<std::string> Entries() const {
    std::set<std::string> names;
    for (const auto& e : std::filesystem::directory_iterator(path_))
      names.insert(e.path().filename().string());
    return names;
  }

 private:
  std::filesystem::path path_;
};

// The file store the program writes through; it holds no state.
inline FileStore& Files() {
  static posix::PosixFileStore store;
  return store;
}

// Files may grow no larger than the given size while this lives: the write
// that would pass it fails as it does on a full disk, also for root.
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes) {
    getrlimit(RLIMIT_FSIZE, &saved_);
    savedHandler_ = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limit{bytes, saved_.rlim_max};
    setrlimit(RLIMIT_FSIZE, &limit);
  }
  ~FileSizeLimit() {
    setrlimit(RLIMIT_FSIZE, &saved_);
    std::signal(SIGXFSZ, savedHandler_);
  }
  FileSizeLimit(const FileSizeLimit&) = delete;
  FileSizeLimit& operator=(const FileSizeLimit&) = delete;

 private:
  rlimit saved_{};
  void (*savedHandler_)(int) = nullptr;
};

inline std::string ReadBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

inline void WriteBytes(const std::filesystem::path& path, std::string_view bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

struct RunResult {
  int status = -1;  // exit status, or -signal
  std::string out, err;
};

// Runs command[0], looked up on PATH where it names no folder, the way a host
// program or a script would: no display, a locale whose decimal separator is
// ".", nothing on standard input, and standard output and error captured
// apart. workDir is the folder it runs in.
RunResult RunTool(const std::vector<std::string>& command, const std::filesystem::path& workDir);

// RunTool on the built executable with these arguments.
RunResult RunProgram(const std::vector<std::string>& args, const std::filesystem::path& workDir);

std::size_t CountLines(std::string_view text);

// The JSON object in text; a test failure, and an empty object, where text
// is not one.
QJsonObject ParseJsonObject(const std::string& text);

}  // namespace mirelo::test

// Lets a failed comparison of JSON values show them as JSON text. It stands
// beside QJsonValue, where the test framework looks for it.
void PrintTo(const QJsonValue& value, std::ostream* os);
