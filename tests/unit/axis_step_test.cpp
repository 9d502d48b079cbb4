#include "util/axis_step.h"

#include <gtest/gtest.h>

#include <cmath>

namespace vorna {
namespace {

TEST(ChooseStep, SplitsTheRangeIntoAboutTenIntervals) {
  const struct {
    float low, high, step;
  } cases[] = {
      {0, 100, 10},
      {0, 1, 0.1f},
      {0, 0.5f, 0.05f},  // exactly ten; 0.1 gives 5 and 0.02 gives 25
      {100, 0, 10},      // the ends in either order
      {-3, 2, 0.5f},     // a small step listed after 10000
      {0, 600, 50},      // 50 and 75 split it equally well: the earlier wins
      {0, 90000, 10000},
      {7, 7, 0.01f},     // a zero range: every candidate is ten away, the first wins
      {0, 1e10f, 10000},  // 1000000 intervals, just inside the best start distance
      {0, 1.1e10f, 0},   // too large for every candidate
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ChooseStep(c.low, c.high), c.step) << c.low << " to " << c.high;
  }
}

TEST(ChooseStep, GivesZeroForARangeThatIsNotANumber) {
  EXPECT_EQ(ChooseStep(0, std::nanf("")), 0);
  EXPECT_EQ(ChooseStep(0, INFINITY), 0);
}

}  // namespace
}  // namespace vorna
