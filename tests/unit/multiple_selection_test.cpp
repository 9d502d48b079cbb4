#include "util/multiple_selection.h"

#include <gtest/gtest.h>

namespace vorna {
namespace {

using namespace std::string_literals;

// A buffer as the dialog leaves it: `initial` first, `answer` written over it.
std::string Answered(const std::string& initial, const std::string& answer) {
  std::string buffer = MultiOpenFileBuffer(initial);
  buffer.replace(0, answer.size(), answer);
  return buffer;
}

TEST(MultiOpenBuffers, HaveTheirFixedSizesAndAlwaysATerminatingNul) {
  std::string file = MultiOpenFileBuffer("*.*");
  EXPECT_EQ(file, "*.*"s + std::string(16380, '\0'));
  EXPECT_EQ(MultiOpenFileBuffer(std::string(20000, 'x')), std::string(16382, 'x') + '\0');

  EXPECT_EQ(FixedTextBuffer("TXT", kMultiOpenDefaultExtSize), "TXT"s + std::string(7, '\0'));
  EXPECT_EQ(FixedTextBuffer("0123456789ab", kMultiOpenDefaultExtSize), "012345678\0"s);
  EXPECT_EQ(FixedTextBuffer("", kMultiOpenTextSize), std::string(256, '\0'));
}

TEST(MultiOpenBuffers, FilterListEndsInTwoNulsInsideItsBuffer) {
  std::string filter = MultiOpenFilterBuffer("All|*.*|Text|*.TXT|");
  ASSERT_EQ(filter.size(), 256u);
  EXPECT_EQ(filter.substr(0, 20), "All\0*.*\0Text\0*.TXT\0\0"s);
  EXPECT_EQ(filter.find_first_not_of('\0', 18), std::string::npos);

  std::string tooLong = MultiOpenFilterBuffer("Long|" + std::string(300, 'x'));
  ASSERT_EQ(tooLong.size(), 256u);
  EXPECT_EQ(tooLong.substr(0, 5), "Long\0"s);
  EXPECT_EQ(tooLong.substr(5, 249), std::string(249, 'x'));
  EXPECT_EQ(tooLong.substr(254), "\0\0"s);
}

TEST(MultiOpenAnswer, ReadsWhatTheDialogWroteAndNothingLeftBehindIt) {
  const struct {
    const char* what;
    std::string initial, written;
    bool chosen;
    std::size_t fileOffset;
    std::string answer;
  } cases[] = {
      {"cancelled: the initial name", "*.*", "", false, 0, "*.*"},
      {"one file", "*.*", "C:\\x\\a.txt\0"s, true, 5, "C:\\x\\a.txt"},
      {"several files", "*.*", "C:\\x\0a.txt\0b.txt\0\0"s, true, 5, "C:\\x\0a.txt\0b.txt"s},
      {"several in a root", "*.*", "C:\\\0a\0b\0c\0\0"s, true, 4, "C:\\\0a\0b\0c"s},
      {"one file, longer initial name", "initial-name-longer.txt", "C:\\a.b\0"s, true, 3,
       "C:\\a.b"},
      {"several, longer initial name", "initial-name-much-longer.txt", "C:\\x\0a\0b\0\0"s, true,
       5, "C:\\x\0a\0b"s},
      {"no offset given", "*.*", "C:\\x\0a\0b\0\0"s, true, 0, "C:\\x\0a\0b"s},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(MultiOpenAnswer(Answered(c.initial, c.written), c.chosen, c.fileOffset), c.answer)
        << c.what;
  }
}

TEST(JoinMultipleSelection, GivesTheFolderWithOneBackslashThenEachName) {
  const struct {
    std::string answer;
    std::int32_t count;
    std::string text;
  } cases[] = {
      {"C:\\x\\a.txt", 1, "C:\\x\\?a.txt"},
      {"C:\\a.txt", 1, "C:\\?a.txt"},
      {"C:\\x\0a.txt\0b.txt"s, 2, "C:\\x\\?a.txt?b.txt"},
      {"C:\\\0a.txt\0b.txt\0c.txt"s, 3, "C:\\?a.txt?b.txt?c.txt"},
      {"\\\\server\\share\\dir\0one two.txt\0x"s, 2, "\\\\server\\share\\dir\\?one two.txt?x"},
      {"", 0, ""},
  };
  for (const auto& c : cases) {
    MultipleSelection selection = JoinMultipleSelection(c.answer);
    EXPECT_EQ(selection.count, c.count) << c.text;
    EXPECT_EQ(selection.text, c.text);
  }
}

}  // namespace
}  // namespace vorna
