#include "util/path_helpers.h"

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

struct PathCase {
  std::string path;
  std::string folder;
  std::string file;
};

TEST(PathParts, SplitAtTheLastBackslashAfterTrimmingBlanks) {
  const PathCase cases[] = {
      {"C:\\data\\test.txt", "C:\\data\\", "test.txt"},
      {"test.txt", "\\", "test.txt"},
      {" C:\\data\\ ", "C:\\data\\", ""},
      {"C:\\data\\", "C:\\data\\", ""},
      {"\\\\server\\share\\T0413.dat", "\\\\server\\share\\", "T0413.dat"},
      {"C:/data/test.txt", "\\", "C:/data/test.txt"},  // a forward slash separates nothing
      {"  C:\\my data\\a b.txt  ", "C:\\my data\\", "a b.txt"},
      {"", "\\", ""},
  };
  for (const PathCase& c : cases) {
    EXPECT_EQ(FolderOfPath(c.path), c.folder) << c.path;
    EXPECT_EQ(FileOfPath(c.path), c.file) << c.path;
  }
}

}  // namespace
}  // namespace vorna
