#include "chart/bitmap_file.h"

#include <gtest/gtest.h>

#include <vector>

namespace vorna {
namespace {

std::uint32_t Read32(const std::string& bytes, std::size_t offset) {
  std::uint32_t value = 0;
  for (int i = 3; i >= 0; --i) value = value << 8 | static_cast<unsigned char>(bytes[offset + i]);
  return value;
}

TEST(BitmapFile, HeaderDescribesA24BitBottomUpImageWithPaddedRows) {
  // 5 pixels make 15 bytes, padded to 16; two rows.
  std::vector<unsigned char> rows(32);
  for (std::size_t i = 0; i < rows.size(); ++i) rows[i] = static_cast<unsigned char>(i);
  std::string file = BitmapFileBytes(5, 2, rows.data());
  ASSERT_EQ(file.size(), 54u + 32u);
  EXPECT_EQ(file.substr(0, 2), "BM");
  EXPECT_EQ(Read32(file, 2), 86u);    // file size
  EXPECT_EQ(Read32(file, 6), 0u);     // reserved
  EXPECT_EQ(Read32(file, 10), 54u);   // pixel offset
  EXPECT_EQ(Read32(file, 14), 40u);   // header size
  EXPECT_EQ(Read32(file, 18), 5u);    // width
  EXPECT_EQ(Read32(file, 22), 2u);    // height, positive
  EXPECT_EQ(Read32(file, 26), 1u | 24u << 16);  // planes 1, 24 bits
  for (std::size_t offset = 30; offset < 54; offset += 4) EXPECT_EQ(Read32(file, offset), 0u);
  EXPECT_EQ(file.substr(54), std::string(rows.begin(), rows.end()));
}

TEST(BitmapFile, RowSizeIsAMultipleOfFour) {
  EXPECT_EQ(BitmapRowSize(1), 4u);
  EXPECT_EQ(BitmapRowSize(4), 12u);
  EXPECT_EQ(BitmapRowSize(448), 1344u);
  EXPECT_EQ(BitmapRowSize(449), 1348u);
}

}  // namespace
}  // namespace vorna
