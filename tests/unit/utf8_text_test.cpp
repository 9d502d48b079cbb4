#include "util/utf8_text.h"

#include <gtest/gtest.h>

namespace vorna {
namespace {

TEST(IsUtf8, AcceptsWellFormedAndRejectsMalformedSequences) {
  const struct {
    std::string bytes;
    bool expected;
  } cases[] = {
      {"", true},
      {"T0413.txt", true},
      {"caf\xC3\xA9", true},
      {"\xE2\x82\xAC 4-byte \xF0\x9F\x98\x80", true},
      {"caf\xE9", false},            // a Windows-1252 byte alone
      {"\xC3", false},               // cut short
      {"\xC0\xAF", false},           // overlong
      {"\xE0\x80\xAF", false},       // overlong, three bytes
      {"\xED\xA0\x80", false},       // a surrogate
      {"\xF4\x90\x80\x80", false},   // beyond U+10FFFF
      {std::string("a\0b", 3), true},
  };
  for (const auto& c : cases) EXPECT_EQ(IsUtf8(c.bytes), c.expected) << c.bytes;
}

TEST(TextAsUtf8, KeepsUtf8AndReadsAnythingElseAsWindows1252) {
  EXPECT_EQ(TextAsUtf8("caf\xC3\xA9"), "caf\xC3\xA9");
  EXPECT_EQ(TextAsUtf8("caf\xE9"), "caf\xC3\xA9");
  EXPECT_EQ(TextAsUtf8("\x80 \xB5V"), "\xE2\x82\xAC \xC2\xB5V");  // euro sign, micro sign
  EXPECT_EQ(TextAsUtf8("\x81\xFF"), "\xC2\x81\xC3\xBF");           // unassigned byte kept as U+0081
  EXPECT_TRUE(IsUtf8(TextAsUtf8("\x9D\xC3")));
}

}  // namespace
}  // namespace vorna
