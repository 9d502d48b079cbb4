// Every input that ever made a fuzz target fail, kept in
// tests/data/fuzz/<target>/, passes that target's check today.
#include <gtest/gtest.h>

#include <filesystem>

#include "tests/fuzz/fuzz_checks.h"
#include "tests/unit/test_files.h"

namespace vorna::fuzzing {
namespace {

using vorna::testing::FixturePath;
using vorna::testing::ReadBytes;

TEST(FuzzRegression, EveryKeptInputPassesItsTargetsCheck) {
  const std::filesystem::path root = FixturePath("fuzz");
  ASSERT_TRUE(std::filesystem::is_directory(root));
  int replayed = 0;
  for (const auto& folder : std::filesystem::directory_iterator(root)) {
    if (!folder.is_directory()) continue;
    const FuzzTarget* target = FindFuzzTarget(folder.path().filename().string());
    ASSERT_NE(target, nullptr) << "no fuzz target named " << folder.path().filename();
    for (const auto& file : std::filesystem::directory_iterator(folder.path())) {
      EXPECT_EQ(target->check(ReadBytes(file.path())), "") << file.path();
      ++replayed;
    }
  }
  EXPECT_GT(replayed, 0);
}

TEST(FuzzRegression, EachCheckPassesTheSamples) {
  for (const FuzzTarget& target : FuzzTargets()) {
    for (const auto& file : std::filesystem::directory_iterator(vorna::testing::SamplePath(""))) {
      EXPECT_EQ(target.check(ReadBytes(file.path())), "") << target.name << " " << file.path();
    }
  }
}

}  // namespace
}  // namespace vorna::fuzzing
