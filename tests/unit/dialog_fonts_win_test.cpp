#include "win/dialog_fonts_win.h"

#include <gtest/gtest.h>

namespace vorna {
namespace {

TEST(HeadingFontHeight, IsEightPointsTruncatedTowardZero) {
  EXPECT_EQ(HeadingFontHeight(96), -10);
  EXPECT_EQ(HeadingFontHeight(120), -13);
  EXPECT_EQ(HeadingFontHeight(72), -8);
}

}  // namespace
}  // namespace vorna
