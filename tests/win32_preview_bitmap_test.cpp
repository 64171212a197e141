// The preview bitmap at a resolution other than the system's: its text is
// sized for the bitmap's dots per inch, not for the memory device context's
// (which reports the system's, 96 under Wine), so a page laid out at 144 or
// 192 dpi gets characters of the same size against the page.
#include <gtest/gtest.h>

#include "win32/dib_preview_image.h"
#include "win32/windows_api.h"

namespace mirelo {
namespace {

// The rows a full-width square of 20 points covers.
int InkRows(int dotsPerInch) {
  win32::DibPreviewImage image(400, 400, dotsPerInch);
  Canvas& canvas = image.ImageCanvas();
  EXPECT_EQ(canvas.LogPixelsX(), dotsPerInch);
  EXPECT_EQ(canvas.LogPixelsY(), dotsPerInch);
  canvas.SetFont(u"ＭＳ ゴシック", 20);
  canvas.TextOut(10, 10, u"■");
  GdiFlush();
  int rows = 0;
  for (int y = 0; y < 400; ++y) {
    bool ink = false;
    for (int x = 0; x < 400 && !ink; x += 2) ink = GetPixel(image.Dc(), x, y) == RGB(0, 0, 0);
    rows += ink ? 1 : 0;
  }
  return rows;
}

TEST(Win32PreviewBitmap, TextIsSizedForTheBitmapsDotsPerInch) {
  const int at96 = InkRows(96), at192 = InkRows(192);
  ASSERT_GT(at96, 10);
  // Twice the dots per inch, twice the square, within a dot of rounding each side.
  EXPECT_NEAR(at192, 2 * at96, 3);
}

}  // namespace
}  // namespace mirelo
