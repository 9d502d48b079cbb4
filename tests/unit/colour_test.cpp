#include "util/colour.h"

#include <gtest/gtest.h>

#include <cmath>

namespace vorna {
namespace {

TEST(HlsToRgb, GivesWhiteAndThePrimaries) {
  const struct {
    float hue, lightness, saturation;
    std::int32_t colour;
  } cases[] = {
      {0, 240, 0, 0x00FFFFFF},    // white
      {0, 0, 0, 0x00000000},      // black
      {0, 120, 240, 0x000000FF},  // red
      {80, 120, 240, 0x0000FF00},  // green
      {160, 120, 240, 0x00FF0000},  // blue
      {40, 120, 240, 0x0000FFFF},  // yellow, between red and green
      {240, 120, 240, 0x000000FF},  // a full turn is red again
  };
  for (const auto& c : cases) {
    EXPECT_EQ(HlsToRgb(c.hue, c.lightness, c.saturation), c.colour)
        << "hue " << c.hue << ", lightness " << c.lightness << ", saturation " << c.saturation;
  }
}

TEST(HlsToRgb, SaturationZeroGivesTheGreyOfTheLightnessWhateverTheHue) {
  for (int lightness = 0; lightness <= 240; ++lightness) {
    // Halves go to the even neighbour: 120 gives 127.5 and so 128, 8 gives 8.5 and so 8.
    std::int32_t level = static_cast<std::int32_t>(std::nearbyint(255.0 * lightness / 240.0));
    std::int32_t grey = level * 0x010101;
    EXPECT_EQ(HlsToRgb(0, static_cast<float>(lightness), 0), grey) << lightness;
    EXPECT_EQ(HlsToRgb(200, static_cast<float>(lightness), 0), grey) << lightness;
  }
  EXPECT_EQ(HlsToRgb(0, 8, 0), 0x080808);
  EXPECT_EQ(HlsToRgb(0, 120, 0), 0x808080);
}

TEST(HlsToRgb, InputsOffTheScaleStillGiveAValidColour) {
  EXPECT_EQ(HlsToRgb(0, 480, 240), 0x00FFFFFF);
  EXPECT_EQ(HlsToRgb(0, -100, 240), 0);
  EXPECT_EQ(HlsToRgb(0, std::nanf(""), 0), 0);
}

TEST(HueToChannel, RisesHoldsFallsAndWrapsOnceOnly) {
  const struct {
    double h, expected;
  } cases[] = {
      {0, 0.2}, {30, 0.5}, {60, 0.8}, {179, 0.8}, {210, 0.5}, {240, 0.2}, {300, 0.2},
      {360, 0.2},   // 360 stays 360
      {390, 0.5},   // one turn off
      {-330, 0.5},  // one turn on
  };
  for (const auto& c : cases) {
    EXPECT_DOUBLE_EQ(HueToChannel(0.2, 0.8, c.h), c.expected) << c.h;
  }
}

}  // namespace
}  // namespace vorna
