#include "base/atomic_file.h"

#include <cstdio>
#include <random>
#include <string>
#include <system_error>

namespace mirelo {

std::optional<std::filesystem::path> CreateTempFileBeside(const std::filesystem::path& path) {
  std::random_device seed;
  std::mt19937_64 random(seed());
  for (int attempt = 0; attempt < 16; ++attempt) {
    std::filesystem::path temp = path;
    temp += ".mirelo-" + std::to_string(random() % 1000000000ULL) + ".tmp";
    // "x": fails when the name is taken, so nobody's file is opened.
    if (std::FILE* f = std::fopen(temp.string().c_str(), "wbx")) {
      std::fclose(f);
      return temp;
    }
    std::error_code ec;
    if (!std::filesystem::exists(temp, ec)) return std::nullopt;  // the folder refuses
  }
  return std::nullopt;
}

bool CommitTempFile(const std::filesystem::path& temp, const std::filesystem::path& path) {
  std::error_code ec;
  std::filesystem::rename(temp, path, ec);
  if (!ec) return true;
  std::filesystem::remove(temp, ec);
  return false;
}

bool ReplaceFileAtomically(const std::filesystem::path& path, std::string_view bytes) {
  const std::optional<std::filesystem::path> temp = CreateTempFileBeside(path);
  if (!temp) return false;
  std::FILE* f = std::fopen(temp->string().c_str(), "wb");
  bool written = f && std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
  // A full disk may only show when the last buffer is written.
  if (f && std::fclose(f) != 0) written = false;
  if (!written) {
    std::error_code ec;
    std::filesystem::remove(*temp, ec);
    return false;
  }
  return CommitTempFile(*temp, path);
}

}  // namespace mirelo
