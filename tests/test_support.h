// Small helpers shared by the tests of every build: a temporary folder that
// removes itself, whole-file byte access, the platform's file store and
// preview measurer, and a limit on file sizes that makes writes fail as on a
// full disk. What differs by platform is made in the adapter's support file
// (posix_test_support.cpp, win32_test_support.cpp).
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <random>
#include <set>
#include <string>
#include <string_view>

#include "base/utf8_path.h"
#include "platform/file_store.h"
#include "platform/text_measurer.h"

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
  // name is UTF-8.
  std::filesystem::path operator/(std::string_view name) const {
    return path_ / PathFromUtf8(name);
  }

  // The names of the entries directly inside the folder, in UTF-8.
  std::set<std::string> Entries() const {
    std::set<std::string> names;
    for (const auto& e : std::filesystem::directory_iterator(path_))
      names.insert(PathToUtf8(e.path().filename()));
    return names;
  }

 private:
  std::filesystem::path path_;
};

inline std::string ReadBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

inline void WriteBytes(const std::filesystem::path& path, std::string_view bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

// "ＭＳ Ｐゴシック" in code page 932, spelled out so an expectation does not
// depend on the encoder under test.
inline const std::string kMsPGothic932 =
    "\x82\x6C\x82\x72 \x82\x6F\x83\x53\x83\x56\x83\x62\x83\x4E";

// The bytes of UTF-16 text in either byte order, spelled out here so an
// expectation does not depend on the encoder under test.
inline std::string Utf16Bytes(std::u16string_view text, bool bigEndian) {
  std::string out;
  for (char16_t c : text) {
    const char hi = static_cast<char>(c >> 8), lo = static_cast<char>(c & 0xFF);
    out += bigEndian ? hi : lo;
    out += bigEndian ? lo : hi;
  }
  return out;
}

inline std::size_t CountLines(std::string_view text) {
  return static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n'));
}

// Bytes as upper-case hexadecimal digits, two a byte, for messages.
inline std::string Hex(std::string_view bytes) {
  static const char digits[] = "0123456789ABCDEF";
  std::string out;
  for (char ch : bytes) {
    const auto b = static_cast<unsigned char>(ch);
    out += digits[b >> 4];
    out += digits[b & 0xF];
  }
  return out;
}

// The file store the program writes through on this platform; it holds no
// state.
FileStore& Files();

// The preview canvas's measuring on this platform, at dpi. With
// fastPrefixWidths off it measures every prefix on its own, the reference
// the fast way is held to.
std::unique_ptr<TextMeasurer> PreviewMeasurer(int dpi, bool fastPrefixWidths = true);

// Files written through Files() may grow no larger than the given size
// while this lives: the write that would pass it fails as it does on a full
// disk, also for root.
class FileSizeLimit {
 public:
  explicit FileSizeLimit(std::uint64_t bytes);
  ~FileSizeLimit();
  FileSizeLimit(const FileSizeLimit&) = delete;
  FileSizeLimit& operator=(const FileSizeLimit&) = delete;

 private:
  struct Saved;
  std::unique_ptr<Saved> saved_;
};

}  // namespace mirelo::test
