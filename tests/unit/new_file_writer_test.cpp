#include "util/new_file_writer.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/unit/test_files.h"

namespace vorna {
namespace {

using testing::ReadBytes;
using testing::TemporaryFolder;
using testing::WriteBytes;

TEST(NewFileWriter, WritesItsPiecesInOrderIntoANewFile) {
  TemporaryFolder folder;
  const std::string path = folder.File("copy.TXT");
  {
    NewFileWriter writer(path);
    ASSERT_TRUE(writer.IsOpen());
    EXPECT_TRUE(writer.Write("ab\r\n", 4));
    EXPECT_TRUE(writer.Write("", 0));
    EXPECT_TRUE(writer.Write(std::string(3, '\0').data(), 3));
  }
  EXPECT_EQ(ReadBytes(path), std::string("ab\r\n\0\0\0", 7));
}

TEST(NewFileWriter, NeverTouchesWhatAlreadyStandsThere) {
  TemporaryFolder folder;
  const std::string path = folder.File("notes.TXT");
  WriteBytes(path, "the user's own notes");
  NewFileWriter writer(path);
  EXPECT_FALSE(writer.IsOpen());
  EXPECT_FALSE(writer.Write("x", 1));
  EXPECT_EQ(ReadBytes(path), "the user's own notes");
  NewFileWriter inMissingFolder(folder.File("absent/notes.TXT"));
  EXPECT_FALSE(inMissingFolder.IsOpen());
}

}  // namespace
}  // namespace vorna
