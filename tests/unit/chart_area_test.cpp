#include "chart/chart_area.h"

#include <gtest/gtest.h>

#include <limits>

namespace vorna {
namespace {

TEST(ChartArea, StartsWithStatisticsFontAndGivenColours) {
  const ChartArea area(Colour{1, 2, 3}, Colour{4, 5, 6});
  EXPECT_EQ(area.font(), (Font{"MS Sans Serif", 8, 400}));
  EXPECT_EQ(area.colour(), (Colour{1, 2, 3}));
  EXPECT_EQ(area.background(), (Colour{4, 5, 6}));
}

class ChartAreaMapping : public ::testing::Test {
 protected:
  // x 0..10 over 200 px (20 px per unit), y 100 at the top down to 0 over 50 px.
  void SetUp() override { area.SetCoordinates(0, 10, 100, 0, 200, 50); }
  ChartArea area{Colour{}, Colour{}};
};

TEST_F(ChartAreaMapping, MapsUserPointsToNearestPixelsWithHalvesToEven) {
  EXPECT_EQ(area.PixelX(0), 0);
  EXPECT_EQ(area.PixelX(10), 200);
  EXPECT_EQ(area.PixelX(2.5), 50);
  EXPECT_EQ(area.PixelX(0.125), 2);  // 2.5
  EXPECT_EQ(area.PixelX(0.375), 8);  // 7.5
  EXPECT_EQ(area.PixelY(100), 0);
  EXPECT_EQ(area.PixelY(0), 50);
  EXPECT_EQ(area.PixelY(50), 25);
  EXPECT_EQ(area.PixelY(3), 48);   // 50 - nearest(1.5)
  EXPECT_EQ(area.PixelY(5), 48);   // 50 - nearest(2.5)
  EXPECT_EQ(area.PixelY(-20), 60);  // below the bottom edge
}

TEST_F(ChartAreaMapping, ConvertsMeasuredPixelsBackIntoUserUnits) {
  EXPECT_DOUBLE_EQ(area.UserWidth(20), 1.0);
  EXPECT_DOUBLE_EQ(area.UserWidth(5), 0.25);
  EXPECT_DOUBLE_EQ(area.UserHeight(5), 10.0);
}

TEST_F(ChartAreaMapping, HoldsPositionsThatAreNotNumbersOrFarOutside) {
  EXPECT_EQ(area.PixelX(std::numeric_limits<double>::quiet_NaN()), 0);
  EXPECT_EQ(area.PixelX(std::numeric_limits<double>::infinity()), 1000000000);
  EXPECT_EQ(area.PixelX(-1e300), -1000000000);
  EXPECT_EQ(area.PixelY(1e300), 50 - 1000000000);
}

TEST(ChartArea, TreatsAnEmptyClientRectangleAsOnePixel) {
  ChartArea area(Colour{}, Colour{});
  area.SetCoordinates(0, 10, 1, 0, 0, 0);
  EXPECT_DOUBLE_EQ(area.UserWidth(1), 10.0);
  EXPECT_EQ(area.PixelX(10), 1);
  EXPECT_EQ(area.PixelY(0), 1);
}

}  // namespace
}  // namespace vorna
