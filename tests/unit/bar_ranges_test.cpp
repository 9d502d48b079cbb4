#include "testfile/bar_ranges.h"

#include <gtest/gtest.h>

#include <string>

namespace vorna {
namespace {

// A Geophone resistance report whose boxes hold `values`, four per line.
std::string ReportOf(const std::vector<float>& values) {
  std::string report = "V.ORNA-4 SYSTEM TEST\r\nM/D/Y : 03/14/2026\r\nTEST Name : Geophone resistance\r\n";
  for (std::size_t i = 0; i < values.size(); i += 4) {
    report += "  1  " + std::to_string(500 + i / 4);
    for (std::size_t k = i; k < i + 4; ++k) report += "  " + std::to_string(values[k]);
    report += "\r\n";
  }
  return report;
}

TEST(BarRangesOf, EachRangeHoldsExactlyTheValuesItsBarCounts) {
  Settings settings = DefaultSettings();
  settings.GeoResDisplayLow = 800.1f;  // a width that does not add up exactly
  settings.GeoResDisplayHigh = 1000.3f;
  settings.HistogramBars = 13;
  std::vector<float> values;
  for (float v = 795.0f; v < 1006.0f; v += 0.25f) values.push_back(v);
  while (values.size() % 4 != 0) values.push_back(900.0f);
  const AnalysisResult result = AnalyseReport(ReportOf(values), "x", settings);
  ASSERT_EQ(result.Outcome, AnalysisOutcome::Analysed);

  const std::vector<BarRange> ranges = BarRangesOf(result);
  ASSERT_EQ(ranges.size(), 13u);
  EXPECT_EQ(ranges.front().Low, 800.1f);
  for (std::size_t bar = 0; bar < ranges.size(); ++bar) {
    if (bar > 0) {
      EXPECT_EQ(ranges[bar].Low, ranges[bar - 1].High);
    }
    std::int32_t inside = 0;
    for (const float v : values) inside += ranges[bar].Low <= v && v < ranges[bar].High;
    EXPECT_EQ(inside, result.Statistics.BarCounts[bar + 1]) << "bar " << bar + 1;
  }
}

TEST(BarRangesOf, AReportNotAnalysedHasNoBars) {
  Settings settings = DefaultSettings();
  EXPECT_TRUE(BarRangesOf(AnalyseReport("Shopping list\r\n", "x", settings)).empty());
}

}  // namespace
}  // namespace vorna
