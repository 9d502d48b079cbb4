#include "testfile/record_pass.h"

#include <gtest/gtest.h>

#include "testfile/test_types.h"
#include "util/file_access.h"
#include "test_files.h"

namespace vorna {
namespace {

SpecLimits GeophoneResistanceLimits() {
  return LookUpTestType("Geophone resistance", DefaultSettings()).Values.Limits;  // 820 .. 980
}

TEST(RecordPass, WorkedExampleListsTheBoxOutOfSpecificationUnderItsHeader) {
  const std::string bytes = ReadWholeFile(testing::FixturePath("geores_crlf.txt"));
  const RecordPassResult result =
      RunRecordPass(bytes, "Geophone resistance", "  C:\\tests\\T0413.dat ", GeophoneResistanceLimits());
  EXPECT_EQ(result.OutOfSpecReport,
            "Geophone resistance\r\n"
            "File C:\\tests\\T0413.dat\r\n"
            "\r\n"
            "Box 502                 Channel(s) \t\t 2");
  EXPECT_TRUE(result.OutOfSpecFound);
  EXPECT_EQ(result.ChannelValues,
            (std::vector<float>{905.2f, 911.0f, 899.7f, 979.4f, 903.8f, 0, 908.1f, 907.5f}));
}

TEST(RecordPass, CollectsFourValuesPerRecordLineWhateverStandsBetween) {
  std::string bytes = "V.ORNA-4 SYSTEM TEST\r\nTEST Name : DC offset\r\n";
  for (int box = 1; box <= 12; ++box) {
    bytes += "  " + std::to_string(box) + "  " + std::to_string(500 + box) + "  1 2 3 " +
             std::to_string(box) + "\r\n";
    if (box % 4 == 0) bytes += "Box  Ch1  Ch2  Ch3  Ch4\r\n----------\r\n\r\n";
  }
  const RecordPassResult result = RunRecordPass(bytes, "DC offset", "r.dat", SpecLimits{0, 10, 1});
  ASSERT_EQ(result.ChannelValues.size(), 48u);
  EXPECT_EQ(result.ChannelValues[44], 1.0f);
  EXPECT_EQ(result.ChannelValues[47], 12.0f);
  // Boxes 511 and 512 have channel 4 above 10; the lines follow file order.
  EXPECT_EQ(result.OutOfSpecReport,
            "DC offset\r\nFile r.dat\r\n"
            "\r\nBox 511                 Channel(s) \t\t 4"
            "\r\nBox 512                 Channel(s) \t\t 4");
}

TEST(RecordPass, AReportWithoutRecordsKeepsOnlyTheHeader) {
  const RecordPassResult result =
      RunRecordPass("V.ORNA-4 SYSTEM TEST\r\nTEST Name : Distortion\r\n", "Distortion", "d.dat", SpecLimits{});
  EXPECT_TRUE(result.ChannelValues.empty());
  EXPECT_EQ(result.OutOfSpecReport, "Distortion\r\nFile d.dat\r\n");
  EXPECT_FALSE(result.OutOfSpecFound);
}

TEST(RecordPass, ManyShortRecordLinesAreAllRead) {
  // Shorter lines than four floats take: the values outgrow the room
  // reserved from the text's size.
  std::string bytes;
  for (int line = 0; line < 100000; ++line) bytes += "1\r";
  const RecordPassResult result = RunRecordPass(bytes, "x", "y", SpecLimits{-1, 1, 1});
  EXPECT_EQ(result.ChannelValues.size(), 400000u);
  EXPECT_FALSE(result.OutOfSpecFound);
}

}  // namespace
}  // namespace vorna
