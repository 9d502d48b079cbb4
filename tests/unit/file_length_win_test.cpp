#include "util/file_length_win.h"

#include <gtest/gtest.h>
#include <windows.h>

#include "test_files.h"
#include "win/win_handles_win.h"

namespace vorna {
namespace {

using testing::TemporaryFolder;
using testing::WriteBytes;

TEST(FileLength, GivesTheSizeOfTheFirstMatchOrMinusOne) {
  TemporaryFolder folder;
  WriteBytes(folder.path() / "report.txt", std::string(123, 'x'));
  WriteBytes(folder.path() / "other.dat", "12345");
  WriteBytes(folder.path() / "empty.dat", "");
  CreateDirectoryA(folder.File("sub").c_str(), nullptr);
  const std::pair<std::string, std::int32_t> cases[] = {
      {folder.File("report.txt"), 123},
      {folder.File("*.txt"), 123},  // the only match of the pattern
      {folder.File("oth?r.dat"), 5},
      {folder.File("empty.dat"), 0},
      {folder.File("sub"), 0},      // folders report size 0
      {folder.File("absent.txt"), -1},
      {folder.File("*.none"), -1},
      {"", -1},
  };
  for (const auto& [name, length] : cases) EXPECT_EQ(FileLength(name.c_str()), length) << name;
  EXPECT_EQ(FileLength(nullptr), -1);
}

// A file of `size` bytes that takes no room on disk, or false when the
// file system cannot hold one.
bool MakeSparseFile(const std::string& path, long long size) {
  ScopedHandle file(CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file.valid()) return false;
  LARGE_INTEGER end{};
  end.QuadPart = size;
  return SetFilePointerEx(file.get(), end, nullptr, FILE_BEGIN) && SetEndOfFile(file.get());
}

TEST(FileLength, SizesOfTwoGibibytesAndMoreGiveTheirLow32Bits) {
  TemporaryFolder folder;
  const std::pair<long long, std::int32_t> cases[] = {
      {(1LL << 31) + 1, -2147483647},
      {(1LL << 32) + 5, 5},
  };
  for (const auto& [size, length] : cases) {
    const std::string path = folder.File("big.bin");
    if (!MakeSparseFile(path, size)) GTEST_SKIP() << "no sparse files here";
    EXPECT_EQ(FileLength(path.c_str()), length) << size;
    DeleteFileA(path.c_str());
  }
}

}  // namespace
}  // namespace vorna
