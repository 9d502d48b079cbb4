#include "testfile/report_format.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>
#include <vector>

#include "testfile/line_reader.h"
#include "util/file_access.h"
#include "test_files.h"

namespace vorna {
namespace {

using testing::FixturePath;

std::string Fixture(const std::string& name) {
  std::string bytes = ReadWholeFile(FixturePath(name));
  EXPECT_FALSE(bytes.empty()) << "fixture " << name << " missing";
  return bytes;
}

std::vector<BoxRecord> RecordsOf(std::string_view bytes) {
  std::vector<BoxRecord> records;
  LineReader reader(bytes);
  std::string_view line;
  while (reader.Next(line)) {
    if (std::optional<BoxRecord> record = ParseRecordLine(line)) records.push_back(*record);
  }
  return records;
}

void ExpectRecord(const BoxRecord& record, float box, std::array<float, 4> values) {
  EXPECT_EQ(record.BoxNumber, box);
  EXPECT_EQ(record.ChannelValue, values) << "box " << box;
}

TEST(LineEndConversion, NeededOnlyWhenTheFirstLineIsTheWholeFile) {
  EXPECT_TRUE(NeedsLineEndConversion("a\nb\n"));
  EXPECT_TRUE(NeedsLineEndConversion("one line, no end"));
  EXPECT_TRUE(NeedsLineEndConversion(""));
  EXPECT_FALSE(NeedsLineEndConversion("a\nb\rc\n"));
  EXPECT_FALSE(NeedsLineEndConversion("a\nb\x1A" "c\n"));
  EXPECT_FALSE(NeedsLineEndConversion(Fixture("lf_with_one_cr.txt")));
}

TEST(LineEndConversion, TurnsEachLineFeedIntoCrLfAndAddsOneCrLf) {
  using namespace std::string_literals;
  const std::pair<std::string, std::string> cases[] = {
      {"a\nb\n", "a\r\nb\r\n\r\n"},
      {"a\nb", "a\r\nb\r\n"},
      {"", "\r\n"},
      {"\n\n", "\r\n\r\n\r\n"},
      {"x\0\ny"s, "x\0\r\ny\r\n"s},
  };
  for (const auto& [bytes, converted] : cases) {
    std::string text = bytes;
    ConvertLineEnds(text);
    EXPECT_EQ(text, converted) << ::testing::PrintToString(bytes);
  }
}

TEST(Identification, CountsOnlyTheFirstTenLines) {
  EXPECT_TRUE(IsValidTestFile(Fixture("ident_line10.txt")));
  EXPECT_FALSE(IsValidTestFile(Fixture("ident_line11.txt")));
  EXPECT_TRUE(IsValidTestFile("header\r\n  V.ORNA-4 SYSTEM TEST  \r\nlast"));
  EXPECT_FALSE(IsValidTestFile("V.ORNA-4 System Test\r\n"));
  EXPECT_FALSE(IsValidTestFile("V.ORNA-4  SYSTEM TEST\r\n"));
  EXPECT_FALSE(IsValidTestFile(""));
  EXPECT_FALSE(IsValidTestFile("\x1AV.ORNA-4 SYSTEM TEST\r\n"));
}

TEST(TestDate, IsReadAtFixedPositionsAfterTheLabel) {
  const std::pair<std::string, std::string> cases[] = {
      {"M/D/Y : 12/25/2008", "25-12-2008"},
      {"Crew 12   M/D/Y :    12/25/2008   \r\n", "25-12-2008"},
      {"M/D/Y : 5/12/2008", "2/-5/-2008"},      // positions are fixed
      {"M/D/Y :12/25/2008", ""},                // no blank after the colon
      {"M/D/Y : 01/02/1999\r\nM/D/Y : 12/25/2008", "02-01-1999"},  // the first counts
      {"no date here\r\n", ""},
      {"M/D/Y : ", "--"},
      {"M/D/Y : 12/2", "2-12-12/2"},
  };
  for (const auto& [bytes, date] : cases) EXPECT_EQ(ReadTestDate(bytes), date) << bytes;
}

TEST(TestName, IsCutBeforeTheFirstRunOfFiveBlanks) {
  const std::pair<std::string, std::string> cases[] = {
      {"TEST Name : DC offset", "DC offset"},
      {"  TEST Name :    DC offset   \r\n", "DC offset"},
      {"TEST Name : DC offset   Units uV", "DC offset   Units uV"},  // three blanks: kept
      {"TEST Name : DC offset     Units uV", "DC offset"},
      {"TEST Name : DC offset          Units uV", "DC offset"},
      {"TEST Name :DC offset", ""},                               // no blank after the colon
      {"TEST Name :DC offset\r\nTEST Name : Distortion", ""},     // the first mark counts
      {"TEST  Name : DC offset", ""},
      {"", ""},
  };
  for (const auto& [bytes, name] : cases) EXPECT_EQ(ReadTestName(bytes), name) << bytes;
}

struct RecordCase {
  std::string line;
  bool record;
  float box;
  std::array<float, 4> values;
};

TEST(RecordLine, IsRecognisedByItsFirstFourCharactersAndCutAtBlanks) {
  const RecordCase cases[] = {
      {"   1 501 905.2 911 899.7 979.4", true, 501, {905.2f, 911, 899.7f, 979.4f}},
      {"    1 501 905.2 911 899.7 979.4", false, 0, {}},  // four blanks before the number
      {"0 501 1 2 3 4", false, 0, {}},
      {"-3 501 1 2 3 4", false, 0, {}},
      {"Box  Unit  Ch 1", false, 0, {}},
      {"", false, 0, {}},
      {"12ab 501 1 2 3 4", true, 501, {1, 2, 3, 4}},     // two digits, then letters
      {"1 501 1.5", true, 501, {1.5f, 0, 0, 0}},         // short line
      {"7", true, 0, {0, 0, 0, 0}},
      {"  2    502     903.8     0.0   908.1      907.5   x", true, 502, {903.8f, 0, 908.1f, 907.5f}},
      {"1 501 1 2 3 4 5 6 7", true, 501, {1, 2, 3, 4}},  // later fields ignored
      {"1\t501\t1\t2\t3\t4", true, 0, {0, 0, 0, 0}},     // tabs do not separate
      {"1 501\t7 2 3 4 5", true, 501, {2, 3, 4, 5}},
      {"\t1 501 2", true, 501, {2, 0, 0, 0}},            // tab before field 0
      {"1 501 12.5uV 905,2 --- +4E1", true, 501, {12.5f, 905, 0, 40}},
      {"1 501 1D2 &H10 .5 -.25", true, 501, {100, 16, 0.5f, -0.25f}},
  };
  for (const RecordCase& c : cases) {
    const std::optional<BoxRecord> record = ParseRecordLine(c.line);
    ASSERT_EQ(record.has_value(), c.record) << c.line;
    if (record) ExpectRecord(*record, c.box, c.values);
  }
}

TEST(RecordLine, ExtremeNumbersFollowTheTextNumberRule) {
  const std::string thousandsOfNines(5000, '9');
  const std::string line = "1 1e39 1e999 -1e-999 " + thousandsOfNines + "e-4990 0." +
                           std::string(4000, '0') + "1";
  const std::optional<BoxRecord> record = ParseRecordLine(line);
  ASSERT_TRUE(record);
  EXPECT_EQ(record->BoxNumber, std::numeric_limits<float>::infinity());  // beyond float
  EXPECT_EQ(record->ChannelValue[0], std::numeric_limits<float>::infinity());
  EXPECT_EQ(record->ChannelValue[1], 0.0f);
  EXPECT_TRUE(std::signbit(record->ChannelValue[1]));
  EXPECT_EQ(record->ChannelValue[2], 1e10f);
  EXPECT_EQ(record->ChannelValue[3], 0.0f);
}

TEST(ReportReading, WorkedExampleGivesItsHeaderAndRecords) {
  const std::string bytes = Fixture("geores_crlf.txt");
  EXPECT_FALSE(NeedsLineEndConversion(bytes));
  EXPECT_TRUE(IsValidTestFile(bytes));
  EXPECT_EQ(ReadTestDate(bytes), "25-12-2008");
  EXPECT_EQ(ReadTestName(bytes), "Geophone resistance");
  const std::vector<BoxRecord> records = RecordsOf(bytes);
  ASSERT_EQ(records.size(), 2u);
  ExpectRecord(records[0], 501, {905.2f, 911.0f, 899.7f, 979.4f});
  ExpectRecord(records[1], 502, {903.8f, 0, 908.1f, 907.5f});
}

TEST(ReportReading, CtrlZHidesEverythingAfterItFromEveryReader) {
  const std::string bytes = Fixture("ctrlz_middle.txt");
  EXPECT_TRUE(IsValidTestFile(bytes));
  EXPECT_EQ(ReadTestDate(bytes), "");
  EXPECT_EQ(ReadTestName(bytes), "");
  const std::vector<BoxRecord> records = RecordsOf(bytes);
  ASSERT_EQ(records.size(), 1u);
  EXPECT_EQ(records[0].BoxNumber, 501);
}

TEST(ReportReading, OneCarriageReturnMakesEverythingBeforeItOneLine) {
  const std::string bytes = Fixture("lf_with_one_cr.txt");
  EXPECT_TRUE(IsValidTestFile(bytes));
  // The date label's text runs on through the line feeds of the first line.
  EXPECT_EQ(ReadTestDate(bytes), "25-12-fset");
  EXPECT_EQ(ReadTestName(bytes), "DC offset");
  // Both boxes stand in one line; only the first is read.
  const std::vector<BoxRecord> records = RecordsOf(bytes);
  ASSERT_EQ(records.size(), 1u);
  ExpectRecord(records[0], 501, {1, 2, 3, 4});
}

TEST(ReportReading, BinaryGarbageIsReadWithoutFault) {
  std::mt19937 random(20081225);
  std::string bytes(1 << 20, '\0');
  for (char& byte : bytes) byte = static_cast<char>(random() % 256);
  bytes[0] = ' ';  // make sure there is at least one line start to look at
  (void)IsValidTestFile(bytes);
  (void)ReadTestDate(bytes);
  (void)ReadTestName(bytes);
  std::string noEndOfText = bytes;
  for (char& byte : noEndOfText) {
    if (byte == '\x1A') byte = '1';
  }
  const std::vector<BoxRecord> records = RecordsOf(noEndOfText);
  EXPECT_GT(records.size(), 0u);  // lines starting with a digit are records
}

TEST(ReportReading, ASingleHundredMegabyteLineIsReadInOnePiece) {
  std::string bytes = "1 501 ";
  bytes.append(100'000'000, '9');
  bytes += " 2 3 4 M/D/Y : 12/25/2008";
  EXPECT_TRUE(NeedsLineEndConversion(bytes));
  EXPECT_FALSE(IsValidTestFile(bytes));
  EXPECT_EQ(ReadTestDate(bytes), "25-12-2008");
  EXPECT_EQ(ReadTestName(bytes), "");
  const std::optional<BoxRecord> record = ParseRecordLine(bytes);
  ASSERT_TRUE(record);
  ExpectRecord(*record, 501, {std::numeric_limits<float>::infinity(), 2, 3, 4});
  ConvertLineEnds(bytes);
  EXPECT_EQ(bytes.size(), 6u + 100'000'000u + 25u + 2u);
}

}  // namespace
}  // namespace vorna
