#include "util/folder_listing.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "tests/unit/test_files.h"

namespace vorna {
namespace {

using testing::TemporaryFolder;

TEST(ListFolder, GivesEveryEntryWithItsKind) {
  TemporaryFolder folder;
  testing::WriteBytes(folder.path() / "b.txt", "x");
  testing::WriteBytes(folder.path() / "a, odd.txt", "");
  std::filesystem::create_directory(folder.path() / "day 2");

  std::vector<FolderEntry> entries;
  std::string reason;
  ASSERT_TRUE(ListFolder(folder.path().string(), entries, reason)) << reason;
  std::sort(entries.begin(), entries.end(),
            [](const FolderEntry& a, const FolderEntry& b) { return a.Name < b.Name; });
  ASSERT_EQ(entries.size(), 3u);
  EXPECT_EQ(entries[0].Name, "a, odd.txt");
  EXPECT_EQ(entries[0].Kind, PathKind::File);
  EXPECT_EQ(entries[1].Name, "b.txt");
  EXPECT_EQ(entries[2].Name, "day 2");
  EXPECT_EQ(entries[2].Kind, PathKind::Folder);
  EXPECT_FALSE(entries[2].IsLink);
}

TEST(ListFolder, AMissingFolderFailsWithTheSystemsReason) {
  TemporaryFolder folder;
  std::vector<FolderEntry> entries;
  std::string reason;
  EXPECT_FALSE(ListFolder(folder.File("absent"), entries, reason));
  EXPECT_FALSE(reason.empty());
  EXPECT_TRUE(entries.empty());
}

TEST(KindOfPath, TellsFilesFoldersAndMissingPaths) {
  TemporaryFolder folder;
  testing::WriteBytes(folder.path() / "r.txt", "x");
  std::string reason;
  EXPECT_EQ(KindOfPath(folder.File("r.txt"), reason), PathKind::File);
  EXPECT_EQ(KindOfPath(folder.path().string(), reason), PathKind::Folder);
  EXPECT_TRUE(reason.empty());
  EXPECT_EQ(KindOfPath(folder.File("absent.txt"), reason), PathKind::Missing);
  EXPECT_FALSE(reason.empty());
}

}  // namespace
}  // namespace vorna
