#include "util/file_dialog_buffers.h"

#include <gtest/gtest.h>

namespace vorna {
namespace {

using namespace std::string_literals;

// The platform reads the text up to its terminating NUL, which makes the
// second NUL at the end of the list.
std::string AsThePlatformSeesIt(const std::string& filter) { return filter + '\0'; }

TEST(PlatformFilter, BarsBecomeNulsAndTheListEndsInTwo) {
  EXPECT_EQ(AsThePlatformSeesIt(PlatformFilter("BMP Files (*.BMP)|*.BMP")),
            "BMP Files (*.BMP)\0*.BMP\0\0"s);
  EXPECT_EQ(AsThePlatformSeesIt(PlatformFilter("A|*.a;*.b|B|*.*")), "A\0*.a;*.b\0B\0*.*\0\0"s);
  EXPECT_EQ(PlatformFilter("odd|count|"), "odd\0count\0\0"s);
}

TEST(OpenFileBuffer, IsAlways8192BytesWithTheNameFirst) {
  std::string empty = OpenFileBuffer("");
  ASSERT_EQ(empty.size(), 8192u);
  EXPECT_EQ(empty, "\0"s + std::string(8191, ' '));

  std::string named = OpenFileBuffer("a.txt");
  EXPECT_EQ(named.substr(0, 6), "a.txt\0"s);
  EXPECT_EQ(named.size(), 8192u);
  EXPECT_EQ(OpenFileBuffer("ab\0cd"s).substr(0, 4), "ab\0 "s);
}

TEST(SaveFileBuffer, TakesTheNameCutTo260) {
  std::string named = SaveFileBuffer("chart");
  EXPECT_EQ(named, "chart\0"s + std::string(255, ' '));
  EXPECT_EQ(named.size(), 261u);
  EXPECT_EQ(SaveFileBuffer("ab\0cd"s), "ab\0"s + std::string(257, ' '));
  std::string longName(300, 'x');
  EXPECT_EQ(SaveFileBuffer(longName), std::string(260, 'x') + "\0"s);
}

TEST(DialogAnswers, OpenReadsToTheLastNulAndSaveToTheFirst) {
  std::string answered = "C:\\r\\t.txt\0"s + std::string(100, ' ');
  EXPECT_EQ(OpenAnswer(answered), "C:\\r\\t.txt");
  EXPECT_EQ(SaveAnswer(answered), "C:\\r\\t.txt");
  EXPECT_EQ(OpenAnswer(OpenFileBuffer("")), "");           // a cancelled open dialog
  EXPECT_EQ(SaveAnswer(SaveFileBuffer("chart")), "chart");  // a cancelled save dialog
  EXPECT_EQ(SaveAnswer("no nul"), "");
  EXPECT_EQ(OpenAnswer("no nul"), "");
}

}  // namespace
}  // namespace vorna
