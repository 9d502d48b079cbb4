#include "numbers/shortest_float_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <limits>

namespace vorna {
namespace {

TEST(ShortestFloatText, GivesTheFewestDigitsThatReadBack) {
  const struct {
    float value;
    const char* expected;
  } cases[] = {
      {905.2f, "905.2"},
      {830.0f, "830"},
      {0.1f, "0.1"},
      {-0.025f, "-0.025"},
      {0.0f, "0"},
      {-0.0f, "-0"},
      {1e30f, "1e+30"},
      {1.5e-7f, "1.5e-07"},
      {16777216.0f, "16777216"},
      {std::numeric_limits<float>::max(), "3.4028235e+38"},
      {std::numeric_limits<float>::denorm_min(), "1e-45"},
      {INFINITY, "inf"},
      {-INFINITY, "-inf"},
  };
  for (const auto& c : cases) EXPECT_EQ(ShortestFloatText(c.value), c.expected) << c.expected;
  EXPECT_EQ(ShortestFloatText(std::nanf("")), "nan");
}

TEST(ShortestFloatText, EveryTextReadsBackToTheSameFloat) {
  // Values from a sweep of bit patterns across the whole finite range.
  for (std::uint32_t bits = 0x00000001; bits < 0x7F800000; bits += 0x00012345) {
    float value;
    std::memcpy(&value, &bits, sizeof value);
    const std::string text = ShortestFloatText(value);
    EXPECT_EQ(std::strtof(text.c_str(), nullptr), value) << text;
  }
}

}  // namespace
}  // namespace vorna
