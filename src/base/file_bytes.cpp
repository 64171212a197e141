#include "base/file_bytes.h"

#include <fstream>
#include <system_error>

namespace mirelo {

std::optional<std::string> ReadFileBytes(const std::filesystem::path& path, std::size_t maxBytes) {
  // A read error surfaces from the stream buffer as an exception of its own.
  try {
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    // Read in pieces, stopping at the first one that passes the limit: a
    // file that grows while it is read is refused as well as a large one.
    std::string bytes;
    char buffer[64 * 1024];
    while (in) {
      in.read(buffer, sizeof buffer);
      bytes.append(buffer, static_cast<std::size_t>(in.gcount()));
      if (bytes.size() > maxBytes) return std::nullopt;
    }
    if (in.bad()) return std::nullopt;
    return bytes;
  } catch (const std::ios_base::failure&) {
    return std::nullopt;
  }
}

bool LargerThan(const std::filesystem::path& path, std::size_t maxBytes) {
  std::error_code ec;
  const std::uintmax_t size = std::filesystem::file_size(path, ec);
  return !ec && size > maxBytes;
}

}  // namespace mirelo
