#include "testfile/analysis.h"

#include <gtest/gtest.h>

#include "numbers/number_text.h"
#include "testfile/report_format.h"
#include "tests/unit/test_files.h"
#include "util/file_access.h"

namespace vorna {
namespace {

using testing::SamplePath;

// The bytes as an Open reads them: line ends converted in memory when the
// report's lines end in line feeds alone.
std::string SampleBytes(const std::string& name) {
  std::string bytes = ReadWholeFile(SamplePath(name));
  if (NeedsLineEndConversion(bytes)) ConvertLineEnds(bytes);
  return bytes;
}

struct SampleCase {
  const char* file;
  AnalysisOutcome outcome;
  bool outOfSpec;        // analysed reports: some box out of specification
  const char* message;   // reports not analysed
};

TEST(AnalyseReport, EverySampleEndsTheWayItIsMeantTo) {
  using O = AnalysisOutcome;
  const SampleCase cases[] = {
      {"channel_gain_matching.txt", O::Analysed, true, ""},
      {"common_mode_rejection.txt", O::Analysed, true, ""},
      {"crossfeed_isolation.txt", O::Analysed, true, ""},
      {"dc_offset.txt", O::Analysed, true, ""},
      {"distortion.txt", O::Analysed, true, ""},
      {"dynamic_range.txt", O::Analysed, true, ""},
      {"geophone_leakage.txt", O::Analysed, true, ""},
      {"geophone_pulse.txt", O::Analysed, true, ""},
      {"geophone_resistance.txt", O::Analysed, true, ""},
      {"geophone_resistance_lf.txt", O::Analysed, true, ""},
      {"ground_noise.txt", O::Analysed, true, ""},
      {"pulse_response.txt", O::Analysed, true, ""},
      {"system_noise.txt", O::Analysed, true, ""},
      {"correlator_test.txt", O::RefusedType, false, "Cannot analyse the Correlator Test"},
      {"stacker_test.txt", O::RefusedType, false, "Cannot analyse the Stacker Test"},
      {"self_diagnosis.txt", O::RefusedType, false, "Cannot analyse the Self Diagnosis Test"},
      {"preamp_gain_step_accuracy.txt", O::RefusedType, false,
       "Cannot analyse the Preamp Gain Step Accuracy Test"},
      {"unknown_test_type.txt", O::UnknownType, false, "Unknown Test type System Noise"},
      {"not_a_report.txt", O::NotAReport, false, "Not a valid VORNA Test File"},
  };
  for (const SampleCase& c : cases) {
    Settings settings = DefaultSettings();
    const AnalysisResult result = AnalyseReport(SampleBytes(c.file), "C:\\samples\\x.txt", settings);
    EXPECT_EQ(result.Outcome, c.outcome) << c.file;
    EXPECT_EQ(result.OutOfSpecFound(), c.outOfSpec) << c.file;
    EXPECT_EQ(result.Message, c.message) << c.file;
    if (c.outcome == O::Analysed) {
      EXPECT_GT(result.RecordLines, 0) << c.file;
      EXPECT_EQ(result.TotalTraces, 4 * result.RecordLines) << c.file;
      EXPECT_FALSE(result.TestDate.empty()) << c.file;
    }
  }
}

TEST(AnalyseReport, TheListTextIsMadeFromTheOutOfSpecBoxes) {
  Settings settings = DefaultSettings();
  const AnalysisResult result =
      AnalyseReport(SampleBytes("geophone_resistance.txt"), " C:\\day\\geores.txt ", settings);
  ASSERT_FALSE(result.OutOfSpecBoxes.empty());
  std::string expected = "Geophone resistance\r\nFile C:\\day\\geores.txt\r\n";
  for (const OutOfSpecBox& box : result.OutOfSpecBoxes) {
    ASSERT_FALSE(box.Channels.empty());
    for (const OutOfSpecChannel& channel : box.Channels) {
      EXPECT_FALSE(IsInSpecification(channel.Value, result.Type.Limits)) << NumberText(box.BoxNumber);
    }
    AppendOutOfSpecLine(box, expected);
  }
  EXPECT_EQ(result.OutOfSpecReport, expected);
}

TEST(AnalyseReport, CorrectsAnOutOfRangeBarCountInTheSettings) {
  Settings settings = DefaultSettings();
  settings.HistogramBars = 31;
  const AnalysisResult result = AnalyseReport(SampleBytes("dc_offset.txt"), "d.txt", settings);
  EXPECT_EQ(settings.HistogramBars, 20);
  EXPECT_EQ(result.Statistics.BarCount, 20);
  EXPECT_EQ(result.Statistics.BarCounts.size(), 21u);
}

TEST(AnalyseRecords, LooksTheTypeUpInTheSettingsAsTheyAreAtThatMoment) {
  const std::string bytes = SampleBytes("geophone_resistance.txt");
  const ReportHeader header = ReadReportHeader(bytes);
  ASSERT_TRUE(header.IsReport);
  EXPECT_EQ(header.TestName, "Geophone resistance");
  Settings settings = DefaultSettings();
  settings.GeoResLimitLow = 0;
  settings.GeoResLimitHigh = 1e9f;
  const AnalysisResult result = AnalyseRecords(bytes, header, "g.txt", settings);
  EXPECT_EQ(result.Outcome, AnalysisOutcome::Analysed);
  EXPECT_FALSE(result.OutOfSpecFound());
  EXPECT_EQ(result.Statistics.InSpecCount, result.TotalTraces);
}

TEST(AnalyseReportFile, ReadsAndConvertsWithoutWritingAnything) {
  testing::TemporaryFolder folder;
  const std::string path = folder.File("lf.dat");
  testing::WriteBytes(path, ReadWholeFile(SamplePath("geophone_resistance_lf.txt")));
  Settings settings = DefaultSettings();
  const AnalysisResult fromFile = AnalyseReportFile(path, "x", settings);
  const AnalysisResult fromBytes = AnalyseReport(SampleBytes("geophone_resistance.txt"), "x", settings);
  EXPECT_EQ(fromFile.Outcome, AnalysisOutcome::Analysed);
  EXPECT_EQ(fromFile.Statistics.BarCounts, fromBytes.Statistics.BarCounts);
  EXPECT_EQ(fromFile.OutOfSpecReport, fromBytes.OutOfSpecReport);
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 1);
}

TEST(AnalyseReportFile, AMissingFileOrAFolderIsUnreadableWithTheSystemsReason) {
  testing::TemporaryFolder folder;
  Settings settings = DefaultSettings();
  for (const std::string& path : {folder.File("absent.dat"), folder.path().string()}) {
    const AnalysisResult result = AnalyseReportFile(path, "x", settings);
    EXPECT_EQ(result.Outcome, AnalysisOutcome::Unreadable) << path;
    EXPECT_FALSE(result.Message.empty()) << path;
  }
}

}  // namespace
}  // namespace vorna
