#include "util/folder_selection.h"

#include <gtest/gtest.h>

namespace vorna {
namespace {

TEST(IsSelectableFolder, AcceptsFoldersOnADriveOnly) {
  const std::uint32_t folder = kAttributeDirectory;
  const std::uint32_t systemFolder = kAttributeDirectory | kAttributeSystem;
  const struct {
    const char* path;
    std::uint32_t attributes;
    bool selectable;
  } cases[] = {
      {"C:\\data", folder, true},
      {"C:\\", systemFolder, true},             // a system drive root stays selectable
      {"C:\\Windows\\Fonts", systemFolder, false},
      {"C:\\data\\report.txt", 0x20, false},    // a file
      {"C:\\gone", kAttributesUnreadable, false},  // all bits set, the directory bit too
      {"\\\\server\\share", folder, false},     // not on a drive
      {"", folder, false},
      {"C", folder, false},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(IsSelectableFolder(c.path, c.attributes), c.selectable) << c.path;
  }
}

}  // namespace
}  // namespace vorna
