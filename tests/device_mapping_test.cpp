// Millimetres to device dots on screen and printer: scale, offsets, the
// printer's unprintable margin, and rounding of halves to even.
#include <cfenv>
#include <cmath>

#include <gtest/gtest.h>

#include "render/device_mapping.h"

namespace mirelo {
namespace {

TEST(DeviceMapping, ScreenAt96DotsPerInch) {
  const PixelsPerMm ppm = ScreenPixelsPerMm(96);
  EXPECT_DOUBLE_EQ(ppm.x, 3.7795275590551185);
  EXPECT_EQ(ppm.x, ppm.y);

  const DeviceMapping m = ScreenMapping(ppm, 1.0, 1.0, 0.0, 0.0);
  EXPECT_EQ(m.DeviceX(14.0), 53);
  EXPECT_EQ(m.DeviceY(17.5), 66);
  EXPECT_EQ(m.DeviceX(38.5), 146);
  EXPECT_EQ(m.DeviceY(42.0), 159);
  EXPECT_EQ(m.DevicePoint(210.0, 297.0), (DevicePt{794, 1123}));
  EXPECT_EQ(m.DeviceRect(14.0, 17.5, 38.5, 42.0), (DeviceRectangle{53, 66, 146, 159}));
}

TEST(DeviceMapping, UserOffsetIsAddedAfterScaling) {
  const PixelsPerMm ppm = ScreenPixelsPerMm(96);
  EXPECT_EQ(ScreenMapping(ppm, 1.0, 1.0, 1.0, 0.0).DeviceX(14.0), 57);     // 56.69
  EXPECT_EQ(ScreenMapping(ppm, 1.01, 1.0, 0.0, 0.0).DeviceX(190.7), 728);  // 727.96
  EXPECT_EQ(ScreenMapping(ppm, 1.0, 1.0, 0.0, -0.3).DeviceY(17.5), 65);    // 65.01

  // At one dot per mm: 3 * 2 + 1 and 10 * 0.5 - 1, the offsets not scaled.
  const DeviceMapping unit = ScreenMapping(PixelsPerMm{1.0, 1.0}, 2.0, 0.5, 1.0, -1.0);
  EXPECT_EQ(unit.DeviceX(3.0), 7);
  EXPECT_EQ(unit.DeviceY(10.0), 4);
}

TEST(DeviceMapping, PrinterCountsFromThePaperEdgeLessTheUnprintableMargin) {
  const PixelsPerMm ppm = PrinterPixelsPerMm(600, 600);
  const DeviceMapping m = PrinterMapping(ppm, 1.0, 1.0, 0.0, 0.0, 100, 100);
  EXPECT_NEAR(m.OffsetX, -4.2333, 1e-4);
  EXPECT_NEAR(m.OffsetY, -4.2333, 1e-4);
  EXPECT_EQ(m.DeviceX(14.0), 231);  // 330.7 - 100
  EXPECT_EQ(m.DeviceY(17.5), 313);  // 413.4 - 100

  // Axes with their own resolution and margin, and the user's offset on top.
  const DeviceMapping skew =
      PrinterMapping(PrinterPixelsPerMm(600, 300), 1.0, 1.0, 1.0, 2.0, 50, 30);
  EXPECT_NEAR(skew.ppm.y, 300 / 25.4, 1e-12);
  EXPECT_EQ(skew.DeviceX(0.0), -26);  // 1 mm * 23.6 - 50 = -26.4
  EXPECT_EQ(skew.DeviceY(0.0), -6);   // 2 mm * 11.8 - 30 = -6.4
}

TEST(DeviceMapping, HalvesGoToTheEvenNeighbour) {
  struct Case {
    double v;
    int expected;
  } cases[] = {
      {0.5, 0},   {1.5, 2},       {2.5, 2},       {3.5, 4},         {-0.5, 0}, {-1.5, -2},
      {-2.5, -2}, {2.4999999, 2}, {2.5000001, 3}, {-2.5000001, -3}, {7.0, 7},  {-7.0, -7},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.v);
    EXPECT_EQ(RoundHalfEven(c.v), c.expected);
  }

  // Edges exactly on a half dot: each rounds on its own.
  const DeviceMapping unit = ScreenMapping(PixelsPerMm{1.0, 1.0}, 1.0, 1.0, 0.0, 0.0);
  EXPECT_EQ(unit.DeviceRect(0.5, 1.5, 2.5, 3.5), (DeviceRectangle{0, 2, 2, 4}));

  // The floating-point rounding mode does not change the result.
  const int saved = std::fegetround();
  for (int mode : {FE_UPWARD, FE_DOWNWARD, FE_TOWARDZERO}) {
    std::fesetround(mode);
    EXPECT_EQ(RoundHalfEven(2.5), 2);
    EXPECT_EQ(RoundHalfEven(3.5), 4);
    EXPECT_EQ(RoundHalfEven(-2.5), -2);
    EXPECT_EQ(RoundHalfEven(2.6), 3);
  }
  std::fesetround(saved);
}

TEST(DeviceMapping, ScalesAndOffsetsThatCannotWorkAreTakenAsNoCorrection) {
  const double nan = std::nan(""), inf = HUGE_VAL;
  const struct {
    double scale, offset;
    double usedScale, usedOffset;
  } cases[] = {
      {0.95, -0.3, 0.95, -0.3},  // a calibration beyond the dialog's range still works
      {0.5, 297.0, 0.5, 297.0}, {2.0, -297.0, 2.0, -297.0}, {0.0, 1e7, 1.0, 0.0},
      {-1.0, -1e7, 1.0, 0.0},   {0.49, 297.1, 1.0, 0.0},    {2.01, nan, 1.0, 0.0},
      {nan, inf, 1.0, 0.0},     {inf, -inf, 1.0, 0.0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.scale << " " << c.offset);
    const DeviceMapping screen = ScreenMapping({4, 4}, c.scale, c.scale, c.offset, c.offset);
    EXPECT_EQ(screen.x_Bai, c.usedScale);
    EXPECT_EQ(screen.y_Bai, c.usedScale);
    EXPECT_EQ(screen.OffsetX, c.usedOffset);
    EXPECT_EQ(screen.OffsetY, c.usedOffset);
    // The printer's margin still comes off a repaired offset.
    const DeviceMapping printer =
        PrinterMapping({4, 4}, c.scale, c.scale, c.offset, c.offset, 8, 4);
    EXPECT_EQ(printer.x_Bai, c.usedScale);
    EXPECT_EQ(printer.OffsetX, c.usedOffset - 2);
    EXPECT_EQ(printer.OffsetY, c.usedOffset - 1);
  }
}

}  // namespace
}  // namespace mirelo
