// The preview bitmap: cleared to white between drawings, keeping its font.
#include <gtest/gtest.h>

#include "qt/qt_preview_image.h"
#include "render/page_renderer.h"

namespace mirelo {
namespace {

int DarkPixels(const QImage& image) {
  int dark = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) dark += qGray(image.pixel(x, y)) < 128;
  return dark;
}

TEST(PreviewImage, ClearPreviewLeavesABlankWhitePageAndKeepsTheFont) {
  qt::QtPreviewImage preview(200, 100, 96);
  Canvas& canvas = preview.ImageCanvas();
  canvas.SetFont(kFaceProportional, 12);
  canvas.SetBrush(BrushStyle::Solid, 0x000000);
  canvas.FillRect({10, 10, 50, 50});
  ASSERT_EQ(DarkPixels(preview.Image()), 40 * 40);

  ClearPreview(preview);
  EXPECT_EQ(DarkPixels(preview.Image()), 0);
  EXPECT_EQ(canvas.FontPointSize(), 12);

  // The canvas draws again, with a new canvas's white brush: a filled
  // rectangle stays white inside its black outline.
  ClearPreview(preview);
  canvas.Rectangle({10, 10, 50, 50});
  const QImage& image = preview.Image();
  EXPECT_EQ(qGray(image.pixel(30, 30)), 255);
  EXPECT_LT(qGray(image.pixel(10, 30)), 128);
}

}  // namespace
}  // namespace mirelo
