// The two page bitmaps built into the program: their sizes and bit depths,
// the QR symbol read back by a real decoder, and its version, error
// correction level and mask read from the symbol itself.
#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QPainter>
#include <QString>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "../resources/example_strip_layout.h"
#include "posix_test_support.h"
#include "qt/qt_bitmaps.h"
#include "test_support.h"

namespace mirelo {
namespace {

constexpr int kModules = 29;  // version 3
constexpr int kModulePx = 20;

// The bits per pixel written in the BMP's header, as the program embeds it.
int BmpBitsPerPixel(const char* resourcePath) {
  QFile f(QString::fromLatin1(resourcePath));
  if (!f.open(QIODevice::ReadOnly)) return -1;
  QByteArray header = f.read(30);
  if (header.size() < 30 || !header.startsWith("BM")) return -1;
  return static_cast<std::uint8_t>(header[28]) | static_cast<std::uint8_t>(header[29]) << 8;
}

bool Dark(const QImage& image, int x, int y) { return qGray(image.pixel(x, y)) < 128; }

TEST(PageBitmaps, SizesAndBitDepths) {
  QImage qr = LoadPageBitmap("imgQRCord");
  QImage strip = LoadPageBitmap("imgRei");
  ASSERT_FALSE(qr.isNull());
  ASSERT_FALSE(strip.isNull());
  EXPECT_EQ(qr.size(), QSize(581, 577));
  EXPECT_EQ(strip.size(), QSize(577, 42));
  EXPECT_EQ(BmpBitsPerPixel(":/bitmaps/imgQRCord.bmp"), 1);
  EXPECT_EQ(BmpBitsPerPixel(":/bitmaps/imgRei.bmp"), 24);
}

TEST(PageBitmaps, UnknownNamesGiveANullImage) {
  for (const char* name : {"", "imgqrcord", "imgRei.bmp", ":/bitmaps/imgRei.bmp", "../imgRei"}) {
    EXPECT_TRUE(LoadPageBitmap(name).isNull()) << name;
  }
}

TEST(PageBitmaps, ExampleStripIsDrawnOnWhite) {
  QImage strip = LoadPageBitmap("imgRei");
  ASSERT_EQ(strip.size(), QSize(577, 42));
  int dark = 0;
  for (int y = 0; y < strip.height(); ++y)
    for (int x = 0; x < strip.width(); ++x) dark += Dark(strip, x, y);
  // Words, thirteen boxes with digits and two mark boxes: a good deal of
  // ink, but most of the strip is paper.
  EXPECT_GT(dark, 2000);
  EXPECT_LT(dark, 577 * 42 / 3);
  for (QPoint corner : {QPoint(0, 0), QPoint(576, 0), QPoint(0, 41), QPoint(576, 41)})
    EXPECT_EQ(strip.pixel(corner), qRgb(255, 255, 255));
}

// The darkest grey in the 3 x 3 pixels around the point (mm) of the strip.
int DarkestNear(const QImage& strip, double xMm, double yMm) {
  int cx = static_cast<int>(xMm * example_strip::kWidthPx / example_strip::kWidthMm);
  int cy = static_cast<int>(yMm * example_strip::kHeightPx / example_strip::kHeightMm);
  int darkest = 255;
  for (int y = cy - 1; y <= cy + 1; ++y)
    for (int x = cx - 1; x <= cx + 1; ++x) darkest = std::min(darkest, qGray(strip.pixel(x, y)));
  return darkest;
}

TEST(PageBitmaps, ExampleStripShowsTheDigitShapes) {
  QImage strip = LoadPageBitmap("imgRei");
  ASSERT_EQ(strip.size(), QSize(577, 42));
  using C = GlyphColumn;
  using R = GlyphRow;
  // The seven segments a stroke digit can have, between two grid points.
  struct Segment {
    C c1;
    R r1;
    C c2;
    R r2;
  };
  const Segment segments[7] = {
      {C::L, R::T, C::R, R::T},  // top bar
      {C::L, R::T, C::L, R::M},  // upper left
      {C::R, R::T, C::R, R::M},  // upper right
      {C::L, R::M, C::R, R::M},  // middle bar
      {C::L, R::M, C::L, R::B},  // lower left
      {C::R, R::M, C::R, R::B},  // lower right
      {C::L, R::B, C::R, R::B},  // bottom bar
  };
  // 0, the one on the left and on the right column, 2 to 5, the six without
  // and with its top bar, 7, 8, the nine without and with its bottom bar.
  const char* expected[example_strip::kSampleCount] = {
      "1110111", "0100100", "0010010", "1011101", "1011011", "0111010", "1101011",
      "0101111", "1101111", "1010010", "1111111", "1111010", "1111011"};
  for (int sample = 0; sample < example_strip::kSampleCount; ++sample) {
    std::string seen;
    for (const Segment& s : segments) {
      double x = (example_strip::GridXMm(sample, s.c1) + example_strip::GridXMm(sample, s.c2)) / 2;
      double y = (example_strip::GridYMm(s.r1) + example_strip::GridYMm(s.r2)) / 2;
      int grey = DarkestNear(strip, x, y);
      seen += grey < 100 ? '1' : grey > 200 ? '0' : '?';
    }
    EXPECT_EQ(seen, expected[sample]) << "sample box " << sample;
  }
}

// The module grid of the image: 20-pixel modules, the last row cut to 17
// pixels, and a light column left over at the right. Fails the test where a
// module is not one colour.
std::vector<std::vector<bool>> ReadModules(const QImage& qr) {
  std::vector<std::vector<bool>> modules(kModules, std::vector<bool>(kModules));
  for (int y = 0; y < qr.height(); ++y) {
    EXPECT_FALSE(Dark(qr, 580, y)) << "right column, row " << y;
    for (int x = 0; x < 580; ++x) {
      int mx = x / kModulePx, my = y / kModulePx;
      bool d = Dark(qr, x, y);
      if (x % kModulePx == 0 && y % kModulePx == 0) modules[my][mx] = d;
      if (d != modules[my][mx]) {
        ADD_FAILURE() << "module " << mx << "," << my << " is not uniform at pixel " << x << ","
                      << y;
        return modules;
      }
    }
  }
  return modules;
}

TEST(QrBitmap, ModulesVersionLevelAndMask) {
  QImage qr = LoadPageBitmap("imgQRCord");
  ASSERT_EQ(qr.size(), QSize(581, 577));
  auto m = ReadModules(qr);  // m[y][x]
  // 29 x 29 modules is version 3: finder patterns in three corners and one
  // alignment pattern centred on module (22, 22).
  auto finderAt = [&](int left, int top) {
    for (int y = 0; y < 7; ++y)
      for (int x = 0; x < 7; ++x) {
        bool ring = x == 1 || x == 5 || y == 1 || y == 5;
        bool inRing = x >= 1 && x <= 5 && y >= 1 && y <= 5;
        if (m[top + y][left + x] != !(ring && inRing)) return false;
      }
    return true;
  };
  EXPECT_TRUE(finderAt(0, 0));
  EXPECT_TRUE(finderAt(22, 0));
  EXPECT_TRUE(finderAt(0, 22));  // its bottom row is the one cut to 17 pixels
  for (int y = 20; y <= 24; ++y)
    for (int x = 20; x <= 24; ++x) {
      bool light = std::max(std::abs(x - 22), std::abs(y - 22)) == 1;
      EXPECT_EQ(m[y][x], !light) << "alignment pattern at " << x << "," << y;
    }
  EXPECT_TRUE(m[kModules - 8][8]) << "the dark module";

  // Both copies of the 15 format bits, bit 0 first.
  int first = 0, second = 0;
  for (int i = 0; i <= 5; ++i) first |= m[i][8] << i;
  first |= m[7][8] << 6 | m[8][8] << 7 | m[8][7] << 8;
  for (int i = 9; i < 15; ++i) first |= m[8][14 - i] << i;
  for (int i = 0; i < 8; ++i) second |= m[8][kModules - 1 - i] << i;
  for (int i = 8; i < 15; ++i) second |= m[kModules - 15 + i][8] << i;
  EXPECT_EQ(first, second);

  int format = first ^ 0x5412;
  int data = format >> 10;
  int remainder = data;
  for (int i = 0; i < 10; ++i) remainder = (remainder << 1) ^ ((remainder >> 9) * 0x537);
  EXPECT_EQ(format, data << 10 | remainder) << "format bits fail their BCH check";
  EXPECT_EQ(data >> 3, 0) << "error correction level (0 is M)";
  EXPECT_EQ(data & 7, 7) << "mask pattern";
}

TEST(QrBitmap, DecodesToTheFormIdentifier) {
  QImage qr = LoadPageBitmap("imgQRCord");
  ASSERT_FALSE(qr.isNull());
  // The symbol has no quiet zone of its own (the page gives it one); a
  // decoder needs four light modules around it.
  const int quiet = 4 * kModulePx;
  QImage padded(qr.width() + 2 * quiet, qr.height() + 2 * quiet, QImage::Format_RGB32);
  padded.fill(Qt::white);
  {
    QPainter painter(&padded);
    painter.drawImage(quiet, quiet, qr);
  }
  test::TempDir dir;
  ASSERT_TRUE(padded.save(QString::fromStdString((dir / "qr.png").string()), "PNG"));

  const test::RunResult zbar = test::RunTool({"zbarimg", "--quiet", "--raw", "qr.png"}, dir.path());
  ASSERT_NE(zbar.status, 127) << "zbarimg (Debian package zbar-tools) is missing";
  EXPECT_EQ(zbar.status, 0) << zbar.err;
  EXPECT_EQ(zbar.out, "afcec5b2-32d1-4b3e-a99d-cbf86cd79503\n");
}

}  // namespace
}  // namespace mirelo
