#include "base/file_bytes.h"

#include <fstream>
#include <iterator>

namespace mirelo {

std::optional<std::string> ReadFileBytes(const std::filesystem::path& path) {
  // A read error surfaces from the stream buffer as an exception of its own.
  try {
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad()) return std::nullopt;
    return bytes;
  } catch (const std::ios_base::failure&) {
    return std::nullopt;
  }
}

}  // namespace mirelo
