#include "testfile/analysis.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <iterator>

#include "numbers/number_text.h"
#include "testfile/record_pass.h"
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

// Random Geophone resistance reports whose values sit on and beside the bar
// edges of a random display range (ordinary, inverted, zero-width, huge),
// with infinite and huge values among them, some large enough to span
// several chunks: the streaming analysis of the file gives what the
// two-step computation over the whole buffer gives (all values collected,
// then counted).
TEST(AnalyseReportFile, StreamingCountsEqualTheTwoStepComputation) {
  testing::TemporaryFolder folder;
  std::uint64_t state = 99;
  const auto next = [&state](std::uint64_t range) {
    state = state * 6364136223846793005u + 1442695040888963407u;
    return (state >> 33) % range;
  };
  const struct { float low, high; } ranges[] = {
      {800, 1000}, {0, 10}, {0.1f, 0.7f}, {1000, 800}, {5, 5}, {-3e38f, 3e38f}, {16777216.0f, 16777300.0f},
  };
  for (int round = 0; round < 120; ++round) {
    const auto& range = ranges[next(std::size(ranges))];
    Settings settings = DefaultSettings();
    settings.GeoResDisplayLow = range.low;
    settings.GeoResDisplayHigh = range.high;
    settings.HistogramBars = static_cast<std::int32_t>(5 + next(30));
    std::int32_t bars = settings.HistogramBars;
    const float width = ComputeStatistics({}, range.low, range.high, SpecLimits{}, bars).BarWidth;

    std::vector<std::string> pool = {"1e39", "-1e39", "3.4e38", "-0", "12abc", ""};
    float edge = range.low;
    for (int k = 0; k <= bars + 1; ++k) {
      for (const float v : {edge, std::nextafter(edge, -INFINITY), std::nextafter(edge, INFINITY)}) {
        char text[32];
        std::snprintf(text, sizeof text, "%.9g", static_cast<double>(v));
        pool.push_back(text);
      }
      edge = static_cast<float>(static_cast<double>(edge) + width);
    }
    const bool lineFeedsAlone = next(2) == 0;
    const std::string end = lineFeedsAlone ? "\n" : "\r\n";
    std::string report = "V.ORNA-4 SYSTEM TEST" + end + "M/D/Y : 03/14/2026" + end +
                         "TEST Name : Geophone resistance" + end;
    const std::uint64_t lines = round % 40 == 0 ? 60000 : next(300);
    for (std::uint64_t line = 0; line < lines; ++line) {
      report += "  " + std::to_string(1 + line) + "  " + std::to_string(500 + next(100));
      for (int channel = 0; channel < 4; ++channel) report += "   " + pool[next(pool.size())];
      report += end;
      if (next(50) == 0) report += "not a record" + end;
    }
    const std::string path = folder.File("r.dat");
    testing::WriteBytes(path, report);

    Settings streamingSettings = settings;
    const AnalysisResult streamed = AnalyseReportFile(path, "r.dat", streamingSettings);

    std::string bytes = report;
    if (NeedsLineEndConversion(bytes)) ConvertLineEnds(bytes);
    const RecordPassResult pass = RunRecordPass(bytes, "Geophone resistance", "r.dat", SpecLimits{820, 980, 1});
    Settings twoStepSettings = settings;
    const ChannelStatistics twoStep = ComputeStatistics(pass.ChannelValues, range.low, range.high,
                                                        SpecLimits{820, 980, 1}, twoStepSettings.HistogramBars);

    const std::string what = "round " + std::to_string(round);
    ASSERT_EQ(streamed.Outcome, AnalysisOutcome::Analysed) << what;
    EXPECT_EQ(streamed.RecordLines, pass.RecordLines) << what;
    EXPECT_EQ(streamed.TotalTraces, static_cast<std::int32_t>(pass.ChannelValues.size())) << what;
    EXPECT_EQ(streamed.Statistics.BarCounts, twoStep.BarCounts) << what;
    EXPECT_EQ(streamed.Statistics.BarWidth, twoStep.BarWidth) << what;
    EXPECT_EQ(streamed.Statistics.DisplayedCount, twoStep.DisplayedCount) << what;
    EXPECT_EQ(streamed.Statistics.InSpecCount, twoStep.InSpecCount) << what;
    EXPECT_EQ(streamed.OutOfSpecReport, pass.OutOfSpecReport) << what;
    EXPECT_EQ(streamed.OutOfSpecBoxes.size(), pass.OutOfSpecBoxes.size()) << what;
    EXPECT_EQ(streamingSettings.HistogramBars, twoStepSettings.HistogramBars) << what;
  }
}

TEST(AnalyseReportFile, HandsTheBoxesOverInFileOrderWithoutKeepingThem) {
  Settings settings = DefaultSettings();
  const AnalysisResult kept = AnalyseReportFile(SamplePath("geophone_resistance.txt"), "g.txt", settings);
  std::string handedOver = OutOfSpecReportHeader(kept.TestName, "g.txt");
  AnalysisOptions options;
  options.OnOutOfSpecBox = [&handedOver](const OutOfSpecBox& box) { AppendOutOfSpecLine(box, handedOver); };
  const AnalysisResult streamed = AnalyseReportFile(SamplePath("geophone_resistance.txt"), "g.txt", settings, options);
  ASSERT_TRUE(kept.OutOfSpecFound());
  EXPECT_TRUE(streamed.OutOfSpecFound());
  EXPECT_TRUE(streamed.OutOfSpecBoxes.empty());
  EXPECT_EQ(streamed.OutOfSpecBoxCount, static_cast<std::int32_t>(kept.OutOfSpecBoxes.size()));
  EXPECT_EQ(handedOver, kept.OutOfSpecReport);
  EXPECT_EQ(streamed.Statistics.BarCounts, kept.Statistics.BarCounts);
}

}  // namespace
}  // namespace vorna
