#include "util/text_helpers.h"

#include <gtest/gtest.h>

namespace vorna {
namespace {

struct PadCase {
  std::string text;
  std::int32_t width;
  std::string padded;
};

TEST(PadOut, TrimsThenCutsOrPadsToTheWidthAndWritesTheResultBack) {
  const PadCase cases[] = {
      {"  12  ", 5, "12   "},
      {"123456", 4, "1234"},
      {"abcd", 4, "abcd"},
      {"", 3, "   "},
      {"\t7\t", 4, "\t7\t "},  // tabs are not blanks
      {" 502", 20, "502                 "},
      {"   ", 2, "  "},
      {"abc", 0, ""},
      {"abc", -3, ""},
  };
  for (const PadCase& c : cases) {
    std::string variable = c.text;
    EXPECT_EQ(PadOut(variable, c.width), c.padded) << '"' << c.text << "\" width " << c.width;
    EXPECT_EQ(variable, c.padded) << '"' << c.text << "\" width " << c.width;
  }
}

}  // namespace
}  // namespace vorna
