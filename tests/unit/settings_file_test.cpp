#include "settings/settings_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "util/file_access.h"

namespace vorna {
namespace {

namespace fs = std::filesystem;

// Runs each test in a fresh working folder, as the program runs in its own.
class SettingsFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    previous_ = fs::current_path();
    folder_ = fs::temp_directory_path() /
              ("vorna-settings-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    fs::remove_all(folder_);
    fs::create_directories(folder_);
    fs::current_path(folder_);
    LastTestFolder.clear();
    LastBmpFolder.clear();
  }
  void TearDown() override {
    fs::current_path(previous_);
    fs::remove_all(folder_);
  }
  fs::path SettingsPath() const { return folder_ / kSettingsFileName; }
  void Write(const std::string& bytes) const {
    std::ofstream(SettingsPath(), std::ios::binary).write(bytes.data(), bytes.size());
  }
  std::string Read() const {
    std::ifstream in(SettingsPath(), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  }

 private:
  fs::path previous_;
  fs::path folder_;
};

TEST(StartFolderOf, AppendsOneBackslashAndUndoublesBackslashes) {
  EXPECT_EQ(StartFolderOf("C:\\Tests"), "C:\\Tests\\");
  EXPECT_EQ(StartFolderOf("C:\\"), "C:\\");
  EXPECT_EQ(StartFolderOf("\\\\server\\share"), "\\server\\share\\");
}

TEST_F(SettingsFileTest, AbsentFileGivesDefaultsAndIsNotCreated) {
  LoadSettings();
  EXPECT_EQ(SettingsImage(SettingsRecord), SettingsImage(DefaultSettings()));
  EXPECT_EQ(LastTestFolder, "");
  EXPECT_FALSE(fs::exists(SettingsPath()));
  EXPECT_EQ(StartFolder.back(), '\\');
}

TEST_F(SettingsFileTest, ZeroLengthFileGivesZerosAndNoDefaults) {
  Write("");
  LoadSettings();
  EXPECT_EQ(SettingsRecord.GeoResLimitLow, 0.0f);
  EXPECT_EQ(SettingsRecord.HistogramBars, 0);
}

TEST_F(SettingsFileTest, LongerFileKeepsItsTailOnSave) {
  std::string tail(48, '\x7E');
  Write(SettingsImage(DefaultSettings()) + tail);
  LoadSettings();
  SettingsRecord.HistogramBars = 25;
  SaveSettings();
  std::string saved = Read();
  ASSERT_EQ(saved.size(), 1000u);
  EXPECT_EQ(saved.substr(952), tail);
  EXPECT_EQ(saved.substr(948, 4), std::string("\x19\0\0\0", 4));
}

TEST_F(SettingsFileTest, AHugeFileLoadsOnlyItsFirst952Bytes) {
  Settings written = DefaultSettings();
  written.HistogramBars = 27;
  Write(SettingsImage(written));
  // A sparse tail far larger than any process could hold: reading it whole
  // would fail to allocate or take minutes.
  std::error_code error;
  fs::resize_file(SettingsPath(), std::uintmax_t{64} << 30, error);
  if (error) GTEST_SKIP() << "no sparse files here: " << error.message();
  LoadSettings();
  EXPECT_EQ(SettingsImage(SettingsRecord), SettingsImage(written));
}

TEST_F(SettingsFileTest, SaveStoresTheTestFolderBlankPadded) {
  LoadSettings();
  LastTestFolder = "D:\\Tests\\";
  SaveSettings();
  std::string saved = Read();
  ASSERT_EQ(saved.size(), 952u);
  EXPECT_EQ(saved.substr(256, 9), "D:\\Tests\\");
  EXPECT_EQ(saved.substr(265, 247), std::string(247, ' '));
  EXPECT_EQ(saved.substr(512, 256), std::string(256, '\0'));

  LoadSettings();
  EXPECT_EQ(LastTestFolder, "D:\\Tests\\");
}

TEST_F(SettingsFileTest, ReadOnlyStartFolderSkipsTheWrite) {
  LoadSettings();
  fs::path folder = fs::current_path();
  fs::permissions(folder, fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                  fs::perm_options::remove);
  if (!IsReadOnly(StartFolder).value_or(false)) {
    fs::permissions(folder, fs::perms::owner_write, fs::perm_options::add);
    GTEST_SKIP() << "this file system keeps no read-only mark on folders";
  }
  SaveSettings();
  fs::permissions(folder, fs::perms::owner_write, fs::perm_options::add);
  EXPECT_FALSE(fs::exists(SettingsPath()));
}

TEST_F(SettingsFileTest, FoldersAreReadTrimmedOfBlanks) {
  Settings settings = DefaultSettings();
  settings.TestFileFolderField = FolderFieldOf("  C:\\Reports\\");
  settings.BmpFolderField = FolderFieldOf("   ");
  Write(SettingsImage(settings));
  LoadSettings();
  EXPECT_EQ(LastTestFolder, "C:\\Reports\\");
  EXPECT_EQ(LastBmpFolder, "");
}

}  // namespace
}  // namespace vorna
