#include "testfile/line_reader.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vorna {
namespace {

std::vector<std::string> LinesOf(std::string_view bytes) {
  std::vector<std::string> lines;
  LineReader reader(bytes);
  std::string_view line;
  while (reader.Next(line)) lines.emplace_back(line);
  return lines;
}

struct LineCase {
  std::string bytes;
  std::vector<std::string> lines;
};

TEST(LineReader, FollowsTheLineRule) {
  using namespace std::string_literals;
  const LineCase cases[] = {
      {"", {}},
      {"a\r\nb\r\n", {"a", "b"}},
      {"a\rb", {"a", "b"}},                        // last line without a line end
      {"a\r\r\nb", {"a", "", "b"}},                // CR CR LF: an empty line
      {"a\r\n\nb\r\n", {"a", "\nb"}},              // only one LF is eaten
      {"a\nb\nc\n", {"a\nb\nc\n"}},                // lone LFs end nothing
      {"\r\n", {""}},
      {"a\0b\r\nc"s, {"a\0b"s, "c"}},              // NUL is an ordinary byte
      {"\x1A" "a\r\nb\r\n", {}},                   // Ctrl-Z at the start hides all
      {"a\r\nb\x1A" "c\r\nd\r\n", {"a", "b"}},     // and in the middle hides the rest
  };
  for (const LineCase& c : cases) {
    EXPECT_EQ(LinesOf(c.bytes), c.lines) << ::testing::PrintToString(c.bytes);
  }
}

TEST(LineReader, ReadsAVeryLongLineWhole) {
  std::string bytes(5'000'000, 'x');
  bytes += "\r\nend";
  const std::vector<std::string> lines = LinesOf(bytes);
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[0].size(), 5'000'000u);
  EXPECT_EQ(lines[1], "end");
}

}  // namespace
}  // namespace vorna
