// Reading a whole file as bytes.
#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>

namespace mirelo {

// The files the program reads whole (the survey data file, the kept
// overview, the settings file) are small: a survey of 1,000 items is about
// 130 KB. Anything larger than this is refused rather than read into
// memory, so a wrong file (a disk image, a device) cannot exhaust memory or
// keep the program busy for minutes.
// The messages kDataTooLarge and kOverviewTooLarge name this limit.
inline constexpr std::size_t kMaxReadBytes = 4 * 1024 * 1024;

// The file's bytes, or nothing when it cannot be opened or read through (a
// folder in its place, a failing disk) or holds more than maxBytes. Never
// throws for a read error.
std::optional<std::string> ReadFileBytes(const std::filesystem::path& path,
                                         std::size_t maxBytes = kMaxReadBytes);

// Whether the regular file at path holds more than maxBytes: tells a file
// refused for its size from one that could not be read.
bool LargerThan(const std::filesystem::path& path, std::size_t maxBytes = kMaxReadBytes);

}  // namespace mirelo
