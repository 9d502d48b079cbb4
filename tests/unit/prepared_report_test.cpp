#include "testfile/prepared_report.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <vector>

#ifndef _WIN32
#include <linux/capability.h>
#include <sys/syscall.h>
#include <unistd.h>
#endif

#include "testfile/line_reader.h"
#include "testfile/record_pass.h"
#include "testfile/report_format.h"
#include "util/file_access.h"
#include "test_files.h"

namespace vorna {
namespace {

namespace fs = std::filesystem;
using testing::FixturePath;
using testing::ReadBytes;
using testing::TemporaryFolder;
using testing::WriteBytes;

const std::string kCrLfReport = ReadWholeFile(FixturePath("geores_crlf.txt"));
const std::string kLfReport = ReadWholeFile(FixturePath("geores_lf.txt"));

class PreparedReportTest : public ::testing::Test {
 protected:
  // Places `bytes` as the report "T0413.dat" in the test's folder.
  std::string PlaceReport(const std::string& bytes, const std::string& name = "T0413.dat") {
    WriteBytes(folder_.path() / name, bytes);
    return folder_.File(name);
  }
  std::vector<std::string> FolderContents() const {
    std::vector<std::string> names;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder_.path())) {
      names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
  }
  TemporaryFolder folder_;
};

struct Reading {
  bool valid;
  std::string date;
  std::string name;
  std::vector<float> values;
  bool operator==(const Reading& other) const {
    return valid == other.valid && date == other.date && name == other.name && values == other.values;
  }
};

// The text the later readers see: the file they read, converted when they
// convert it as they read.
std::string BytesRead(const PreparedReport& report) {
  std::string bytes = ReadWholeFile(report.ReadPath);
  if (report.Ends == LineEnds::LineFeedsAlone) ConvertLineEnds(bytes);
  return bytes;
}

Reading ReadingOf(const std::string& bytes) {
  return {IsValidTestFile(bytes), ReadTestDate(bytes), ReadTestName(bytes),
          RunRecordPass(bytes, "", "", SpecLimits{}).ChannelValues};
}

TEST_F(PreparedReportTest, ACrLfReportIsReadAsItIs) {
  const std::string path = PlaceReport(kCrLfReport);
  const PreparedReport report = PrepareReport(path);
  EXPECT_EQ(BytesRead(report), kCrLfReport);
  EXPECT_EQ(report.TestFileName, path);
  EXPECT_FALSE(report.Converted);
  EXPECT_FALSE(report.Copy.Held());
  EXPECT_EQ(FolderContents(), std::vector<std::string>{"T0413.dat"});
}

TEST_F(PreparedReportTest, AnLfReportIsReadThroughACopyThatLastsAsLongAsTheReport) {
  const std::string path = PlaceReport(kLfReport);
  {
    const PreparedReport report = PrepareReport(path);
    EXPECT_TRUE(report.Converted);
    ASSERT_TRUE(report.Copy.Held());
    EXPECT_EQ(report.TestFileName, path + ".TXT");
    EXPECT_EQ(report.Copy.Path(), path + ".TXT");
    EXPECT_EQ(ReadBytes(folder_.path() / "T0413.dat.TXT"), BytesRead(report));
    EXPECT_EQ(BytesRead(report), kCrLfReport + "\r\n");
    EXPECT_EQ(ReadingOf(BytesRead(report)), ReadingOf(kCrLfReport));
    EXPECT_EQ(ReadingOf(BytesRead(report)).values.size(), 8u);
  }
  // Gone on every way out of the Open; the chosen file is untouched.
  EXPECT_EQ(FolderContents(), std::vector<std::string>{"T0413.dat"});
  EXPECT_EQ(ReadBytes(folder_.path() / "T0413.dat"), kLfReport);
}

TEST_F(PreparedReportTest, TheCopyOfAReportLargerThanAChunkIsItsWholeConversion) {
  // Line feeds on both sides of every chunk edge, and a last line without one.
  std::string lines;
  while (lines.size() < 2 * kReportChunkBytes + 100) lines += "  12  512   905.2   899.1   930.0   911.4\n\n";
  lines += "tail";
  const std::string path = PlaceReport(lines);
  const PreparedReport report = PrepareReport(path);
  ASSERT_TRUE(report.Copy.Held());
  std::string converted = lines;
  ConvertLineEnds(converted);
  EXPECT_TRUE(ReadBytes(folder_.path() / "T0413.dat.TXT") == converted);
}

TEST_F(PreparedReportTest, TheCopyOfAReportThatIsNotValidIsDeletedToo) {
  const std::string path = PlaceReport("no identification\nM/D/Y : 12/25/2008\n");
  {
    const PreparedReport report = PrepareReport(path);
    ASSERT_TRUE(report.Copy.Held());
    EXPECT_FALSE(IsValidTestFile(BytesRead(report)));
  }
  EXPECT_EQ(FolderContents(), std::vector<std::string>{"T0413.dat"});
}

TEST_F(PreparedReportTest, AnEmptyFileFailsIdentificationAndLeavesNoCopy) {
  const std::string path = PlaceReport("");
  {
    const PreparedReport report = PrepareReport(path);
    EXPECT_EQ(BytesRead(report), "\r\n");
    EXPECT_FALSE(IsValidTestFile(BytesRead(report)));
  }
  EXPECT_EQ(FolderContents(), std::vector<std::string>{"T0413.dat"});
}

TEST_F(PreparedReportTest, AMissingFileGivesNoBytesToIdentifyAndLeavesNothingBehind) {
  {
    const PreparedReport report = PrepareReport(folder_.File("absent.dat"));
    EXPECT_FALSE(IsValidTestFile(BytesRead(report)));
  }
  EXPECT_TRUE(FolderContents().empty());
}

TEST_F(PreparedReportTest, WhatAlreadyStandsAtTheCopysPathIsNeverTouched) {
  const std::string path = PlaceReport(kLfReport);
  WriteBytes(folder_.path() / "T0413.dat.TXT", "the user's own notes\r\n");
  fs::create_directory(folder_.path() / "R2.dat.TXT");
  const std::string second = PlaceReport(kLfReport, "R2.dat");
  for (const std::string& chosen : {path, second}) {
    {
      const PreparedReport report = PrepareReport(chosen);
      EXPECT_TRUE(report.Converted) << chosen;
      EXPECT_FALSE(report.Copy.Held()) << chosen;
      EXPECT_EQ(report.TestFileName, chosen);
      EXPECT_EQ(ReadingOf(BytesRead(report)), ReadingOf(kCrLfReport)) << chosen;
    }
  }
  EXPECT_EQ(ReadBytes(folder_.path() / "T0413.dat.TXT"), "the user's own notes\r\n");
  EXPECT_TRUE(fs::is_directory(folder_.path() / "R2.dat.TXT"));
}

// A report whose copy cannot be created: its name is as long as the file
// system allows a name (natively) or a path (Windows ANSI paths), so the
// name with ".TXT" appended cannot be created.
std::string ReportWithUncreatableCopyName(const TemporaryFolder& folder) {
#ifdef _WIN32
  constexpr std::size_t kLongestPath = 259;  // MAX_PATH without its NUL
  const std::size_t nameLength = kLongestPath - folder.File("").size();
#else
  (void)folder;
  const std::size_t nameLength = 255;
#endif
  return std::string(nameLength - 4, 'R') + ".dat";
}

TEST_F(PreparedReportTest, WhenTheCopyCannotBeWrittenTheReportIsConvertedInMemory) {
  const std::string name = ReportWithUncreatableCopyName(folder_);
  const std::string path = PlaceReport(kLfReport, name);
  ASSERT_EQ(ReadWholeFile(path), kLfReport) << "the report itself must be readable";
  const PreparedReport report = PrepareReport(path);
  EXPECT_TRUE(report.Converted);
  EXPECT_FALSE(report.Copy.Held());
  EXPECT_EQ(ReadingOf(BytesRead(report)), ReadingOf(kCrLfReport));
  // The list names the chosen file, which is what was analysed.
  EXPECT_EQ(report.TestFileName, path);
  const RecordPassResult pass = RunRecordPass(BytesRead(report), "Geophone resistance", report.TestFileName, SpecLimits{});
  EXPECT_EQ(pass.OutOfSpecReport.rfind("Geophone resistance\r\nFile " + path + "\r\n", 0), 0u);
  EXPECT_EQ(FolderContents(), std::vector<std::string>{name});
}

// Natively only: under Wine no folder refuses new files to root, whose
// Unix permissions Wine follows; the Windows build meets the same outcome
// through the uncreatable name and what stands at the copy's path above.
#ifndef _WIN32
// Root passes every permission check through the capability to override
// them; while this lives, the calling thread goes without it and meets a
// folder's write protection like any other user. Restored afterwards.
class WithoutPermissionOverride {
 public:
  WithoutPermissionOverride() {
    if (syscall(SYS_capget, &header_, saved_) != 0) return;
    held_ = true;
    __user_cap_data_struct reduced[2] = {saved_[0], saved_[1]};
    reduced[CAP_TO_INDEX(CAP_DAC_OVERRIDE)].effective &= ~CAP_TO_MASK(CAP_DAC_OVERRIDE);
    syscall(SYS_capset, &header_, reduced);
  }
  ~WithoutPermissionOverride() {
    if (held_) syscall(SYS_capset, &header_, saved_);
  }
  WithoutPermissionOverride(const WithoutPermissionOverride&) = delete;
  WithoutPermissionOverride& operator=(const WithoutPermissionOverride&) = delete;

 private:
  __user_cap_header_struct header_{_LINUX_CAPABILITY_VERSION_3, 0};
  __user_cap_data_struct saved_[2]{};
  bool held_ = false;
};

TEST_F(PreparedReportTest, AReportInAReadOnlyFolderIsConvertedInMemory) {
  const std::string path = PlaceReport(kLfReport);
  fs::permissions(folder_.path(), fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                  fs::perm_options::remove);
  PreparedReport report;
  bool folderRefusedAFile = false;
  {
    WithoutPermissionOverride asAnyUser;
    folderRefusedAFile = !WriteNewFile(folder_.File("probe"), "x");
    report = PrepareReport(path);
  }
  fs::permissions(folder_.path(), fs::perms::owner_all, fs::perm_options::add);
  ASSERT_TRUE(folderRefusedAFile) << "the folder must refuse new files, as read-only media do";
  EXPECT_TRUE(report.Converted);
  EXPECT_FALSE(report.Copy.Held());
  EXPECT_EQ(report.TestFileName, path);
  EXPECT_EQ(ReadingOf(BytesRead(report)), ReadingOf(kCrLfReport));
  EXPECT_EQ(FolderContents(), std::vector<std::string>{"T0413.dat"});
}
#endif

TEST_F(PreparedReportTest, TheCopyFollowsItsOwnerAndIsDeletedOnce) {
  const std::string path = PlaceReport(kLfReport);
  PreparedReport outer;
  {
    PreparedReport inner = PrepareReport(path);
    ASSERT_TRUE(inner.Copy.Held());
    outer = std::move(inner);
  }
  EXPECT_TRUE(fs::exists(folder_.path() / "T0413.dat.TXT"));
  outer.Copy.Remove();
  EXPECT_FALSE(outer.Copy.Held());
  EXPECT_FALSE(fs::exists(folder_.path() / "T0413.dat.TXT"));
  // A file made at that path afterwards is not the owner's to delete.
  WriteBytes(folder_.path() / "T0413.dat.TXT", "later");
  outer.Copy.Remove();
  EXPECT_EQ(ReadBytes(folder_.path() / "T0413.dat.TXT"), "later");
}

}  // namespace
}  // namespace vorna
