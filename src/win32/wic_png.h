// Writing a picture as PNG through the Windows Imaging Component.
#pragma once

#include <filesystem>

namespace mirelo::win32 {

// Writes rows of 24-bit BGR pixels (stride bytes apart, top row first) to
// the file at path. Throws std::runtime_error on failure.
void WritePng24(const std::filesystem::path& path, const void* pixels, int width, int height,
                int stride, int dotsPerInch);

}  // namespace mirelo::win32
