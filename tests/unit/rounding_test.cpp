#include "numbers/rounding.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace vorna {
namespace {

TEST(NearestInt32, RoundsHalvesToEvenAndSaturatesOutsideTheRange) {
  const struct {
    double value;
    std::int32_t expected;
  } cases[] = {
      {12.5, 12},
      {13.5, 14},
      {-2.5, -2},
      {20.4, 20},
      {1e20, std::numeric_limits<std::int32_t>::max()},
      {-1e20, std::numeric_limits<std::int32_t>::min()},
      {INFINITY, std::numeric_limits<std::int32_t>::max()},
      {std::nan(""), 0},
  };
  for (const auto& c : cases) EXPECT_EQ(NearestInt32(c.value), c.expected) << c.value;
}

}  // namespace
}  // namespace vorna
