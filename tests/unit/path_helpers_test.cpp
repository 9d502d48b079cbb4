#include "util/path_helpers.h"

#include <gtest/gtest.h>

namespace vorna {
namespace {

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
