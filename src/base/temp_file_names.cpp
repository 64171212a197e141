#include "base/temp_file_names.h"

#include <cstdint>
#include <cstdio>
#include <string_view>
#include <type_traits>

namespace mirelo {
namespace {

constexpr std::string_view kTempEnd = ".tmp";

std::string Hex8(std::uint32_t value) {
  char text[9];
  std::snprintf(text, sizeof text, "%08x", static_cast<unsigned>(value));
  return text;
}

// FNV-1a over the name's bytes as the system holds them, the same on every
// run.
std::uint32_t NameHash(const std::filesystem::path& target) {
  std::uint32_t hash = 2166136261u;
  using Unit = std::filesystem::path::value_type;
  const std::filesystem::path name = target.filename();
  for (const Unit unit : name.native()) {
    auto value = static_cast<std::uint32_t>(static_cast<std::make_unsigned_t<Unit>>(unit));
    for (std::size_t byte = 0; byte < sizeof(Unit); ++byte, value >>= 8) {
      hash ^= value & 0xffu;
      hash *= 16777619u;
    }
  }
  return hash;
}

}  // namespace

std::string TempFilePrefix(const std::filesystem::path& target) {
  return ".mirelo-" + Hex8(NameHash(target)) + "-";
}

std::filesystem::path TempFileName(const std::filesystem::path& target, unsigned long unique) {
  return target.parent_path() / (TempFilePrefix(target) + Hex8(static_cast<std::uint32_t>(unique)) +
                                 std::string(kTempEnd));
}

bool IsTempFileOf(const std::filesystem::path& name, const std::filesystem::path& target) {
  // Compared as the system spells names, so an entry of any characters is
  // read without conversion.
  const auto entry = name.filename().native();
  const auto prefix = std::filesystem::path(TempFilePrefix(target)).native();
  const auto end = std::filesystem::path(std::string(kTempEnd)).native();
  if (entry.size() != prefix.size() + 8 + end.size() ||
      entry.compare(0, prefix.size(), prefix) != 0 ||
      entry.compare(entry.size() - end.size(), end.size(), end) != 0)
    return false;
  for (std::size_t i = prefix.size(); i < prefix.size() + 8; ++i) {
    const auto c = entry[i];
    if (!((c >= '0' && c <= '9') || (c >= 'a' && c <= 'f'))) return false;
  }
  return true;
}

}  // namespace mirelo
