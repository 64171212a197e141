// Writes the page bitmaps as uncompressed Windows bitmaps, bottom-up, at the
// exact bit depths the form's images have (a BMP library would pick its own).
#pragma once

#include <cstdint>
#include <fstream>
#include <stdexcept>
#include <string>
#include <vector>

namespace bmp {

struct Rgb {
  std::uint8_t r = 255, g = 255, b = 255;
};

namespace detail {

inline void Put16(std::vector<std::uint8_t>& out, std::uint32_t v) {
  out.push_back(v & 0xFF);
  out.push_back((v >> 8) & 0xFF);
}
inline void Put32(std::vector<std::uint8_t>& out, std::uint32_t v) {
  Put16(out, v & 0xFFFF);
  Put16(out, v >> 16);
}

// File header and BITMAPINFOHEADER; 2835 dots per metre is 72 dpi.
inline std::vector<std::uint8_t> Headers(int width, int height, int bitsPerPixel,
                                         std::uint32_t paletteBytes, std::uint32_t imageBytes) {
  std::vector<std::uint8_t> out;
  std::uint32_t offset = 14 + 40 + paletteBytes;
  out.push_back('B');
  out.push_back('M');
  Put32(out, offset + imageBytes);
  Put32(out, 0);
  Put32(out, offset);
  Put32(out, 40);
  Put32(out, static_cast<std::uint32_t>(width));
  Put32(out, static_cast<std::uint32_t>(height));
  Put16(out, 1);
  Put16(out, static_cast<std::uint32_t>(bitsPerPixel));
  Put32(out, 0);  // BI_RGB
  Put32(out, imageBytes);
  Put32(out, 2835);
  Put32(out, 2835);
  Put32(out, paletteBytes / 4);
  Put32(out, 0);
  return out;
}

inline std::uint32_t RowBytes(int width, int bitsPerPixel) {
  return ((static_cast<std::uint32_t>(width) * bitsPerPixel + 31) / 32) * 4;
}

inline void Save(const std::string& path, const std::vector<std::uint8_t>& bytes) {
  std::ofstream f(path, std::ios::binary | std::ios::trunc);
  f.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  f.close();
  if (!f) throw std::runtime_error("cannot write " + path);
}

}  // namespace detail

// dark(x, y) for x < width, y < height (y from the top); palette index 0 is
// black, 1 white.
template <typename DarkFn>
void Write1Bit(const std::string& path, int width, int height, DarkFn dark) {
  std::uint32_t row = detail::RowBytes(width, 1);
  std::vector<std::uint8_t> out = detail::Headers(width, height, 1, 8, row * height);
  const std::uint8_t palette[8] = {0, 0, 0, 0, 255, 255, 255, 0};
  out.insert(out.end(), palette, palette + 8);
  for (int y = height - 1; y >= 0; --y) {
    std::vector<std::uint8_t> bits(row, 0);
    for (int x = 0; x < width; ++x) {
      if (!dark(x, y)) bits[x / 8] |= static_cast<std::uint8_t>(0x80 >> (x % 8));
    }
    out.insert(out.end(), bits.begin(), bits.end());
  }
  detail::Save(path, out);
}

// pixel(x, y) gives the colour of each pixel, y from the top.
template <typename PixelFn>
void Write24Bit(const std::string& path, int width, int height, PixelFn pixel) {
  std::uint32_t row = detail::RowBytes(width, 24);
  std::vector<std::uint8_t> out = detail::Headers(width, height, 24, 0, row * height);
  for (int y = height - 1; y >= 0; --y) {
    std::vector<std::uint8_t> bytes(row, 0);
    for (int x = 0; x < width; ++x) {
      Rgb c = pixel(x, y);
      bytes[3 * x] = c.b;
      bytes[3 * x + 1] = c.g;
      bytes[3 * x + 2] = c.r;
    }
    out.insert(out.end(), bytes.begin(), bytes.end());
  }
  detail::Save(path, out);
}

}  // namespace bmp
