#include "testfile/channel_statistics.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

namespace vorna {
namespace {

BoxRecord Box(float number, std::array<float, 4> values) {
  BoxRecord box;
  box.BoxNumber = number;
  box.ChannelValue = values;
  return box;
}

// The list line EvaluateBox adds for `box`, or "" when it adds none.
std::string ListLine(const BoxRecord& box, const SpecLimits& limits) {
  std::string report;
  bool found = false;
  EvaluateBox(box, limits, report, found);
  EXPECT_EQ(found, !report.empty());
  return report;
}

const SpecLimits kGeoRes{820, 980, 1};
const SpecLimits kSysNoise{-1, 4.5f, 1};
const SpecLimits kGndNoise{-1, 25, 1000};

TEST(EvaluateBox, WritesOneLineNamingTheChannelsOutOfSpecification) {
  EXPECT_EQ(ListLine(Box(502, {900, 0, 900, 2000}), kGeoRes),
            "\r\nBox 502                 Channel(s) \t\t 2\t 4");
  EXPECT_EQ(ListLine(Box(7, {0, 0, 0, 0}), kGeoRes),  // a short record line's zeros
            "\r\nBox 7                   Channel(s) \t\t 1\t 2\t 3\t 4");
  EXPECT_EQ(ListLine(Box(501, {4.5f, 4.6f, 0, -2}), kSysNoise),
            "\r\nBox 501                 Channel(s) \t\t 2\t 4");
  EXPECT_EQ(ListLine(Box(150000000, {9, 0, 0, 0}), kSysNoise),
            "\r\nBox 1.5E+8              Channel(s) \t\t 1");
  EXPECT_EQ(ListLine(Box(-2.5f, {9, 0, 0, 0}), kSysNoise),
            "\r\nBox -2.5                Channel(s) \t\t 1");
}

TEST(EvaluateBox, ABoxInSpecificationAddsNothingAndKeepsTheFlag) {
  std::string report = "header\r\n";
  bool found = true;
  EvaluateBox(Box(501, {820, 980, 900, 950}), kGeoRes, report, found);
  EXPECT_EQ(report, "header\r\n");
  EXPECT_TRUE(found);
}

TEST(EvaluateBox, LimitsIncludeTheirEndsAfterScaling) {
  EXPECT_EQ(ListLine(Box(1, {980, 820, 900, 900}), kGeoRes), "");
  EXPECT_NE(ListLine(Box(1, {std::nextafter(980.0f, 2000.0f), 900, 900, 900}), kGeoRes), "");
  EXPECT_NE(ListLine(Box(1, {std::nextafter(820.0f, 0.0f), 900, 900, 900}), kGeoRes), "");
  // Ground noise compares value x 1000 with its limits, in double: the float
  // nearest 0.025 lies a little above it, so 0.025 is listed as well.
  EXPECT_EQ(ListLine(Box(1, {0.02f, 0, 0, 0}), kGndNoise), "");
  EXPECT_EQ(ListLine(Box(1, {0.026f, 0.025f, 0, 0}), kGndNoise),
            "\r\nBox 1                   Channel(s) \t\t 1\t 2");
  EXPECT_TRUE(IsInSpecification(0.02f, kGndNoise));
  EXPECT_FALSE(IsInSpecification(0.025f, kGndNoise));
}

TEST(BarCount, IsCorrectedTo20OutsideTenToThirtyAndWrittenBack) {
  const std::pair<std::int32_t, std::int32_t> cases[] = {
      {9, 20}, {10, 10}, {30, 30}, {31, 20}, {0, 20}, {-5, 20}, {25, 25}};
  for (const auto& [configured, used] : cases) {
    std::int32_t histogramBars = configured;
    const ChannelStatistics statistics = ComputeStatistics({}, 0, 10, kGeoRes, histogramBars);
    EXPECT_EQ(statistics.BarCount, used) << configured;
    EXPECT_EQ(statistics.BarCounts.size(), static_cast<std::size_t>(used) + 1) << configured;
    EXPECT_EQ(histogramBars, used) << configured;
  }
}

ChannelStatistics Statistics(const std::vector<float>& values, float low, float high,
                             const SpecLimits& limits = kSysNoise, std::int32_t bars = 20) {
  return ComputeStatistics(values, low, high, limits, bars);
}

TEST(ComputeStatistics, BarsOfZeroToTenInTwentyBarsAreHalfOpen) {
  std::vector<float> values;
  for (int edge = 0; edge < 20; ++edge) values.push_back(edge * 0.5f);  // one value on each lower edge
  values.push_back(0.49f);
  values.push_back(9.99f);
  values.push_back(10);    // displayed, in no bar
  values.push_back(-0.1f); // neither
  const ChannelStatistics statistics = Statistics(values, 0, 10);
  EXPECT_EQ(statistics.BarWidth, 0.5f);
  std::vector<std::int32_t> expected(21, 1);
  expected[0] = 0;
  expected[1] = 2;
  expected[20] = 2;
  EXPECT_EQ(statistics.BarCounts, expected);
  EXPECT_EQ(statistics.DisplayedCount, 23);
  // Limits -1 and 4.5: 0 .. 4.5, 0.49 and -0.1.
  EXPECT_EQ(statistics.InSpecCount, 10 + 1 + 1);
}

TEST(ComputeStatistics, InvertedRangeCountsNoBarAndDisplaysNothing) {
  const ChannelStatistics statistics = Statistics({0, 5, 10, 3}, 10, 0);
  EXPECT_EQ(statistics.BarWidth, 0.5f);
  EXPECT_EQ(statistics.BarCounts, std::vector<std::int32_t>(21, 0));
  EXPECT_EQ(statistics.DisplayedCount, 0);
  EXPECT_EQ(statistics.InSpecCount, 2);
}

TEST(ComputeStatistics, ZeroWidthRangeCountsNoBarButDisplaysItsEnd) {
  const ChannelStatistics statistics = Statistics({5, 5, 4.9f, 5.1f}, 5, 5);
  EXPECT_EQ(statistics.BarWidth, 0.0f);
  EXPECT_EQ(statistics.BarCounts, std::vector<std::int32_t>(21, 0));
  EXPECT_EQ(statistics.DisplayedCount, 2);
}

TEST(ComputeStatistics, GroundNoiseComparesUnscaledValuesWithTheDividedRange) {
  // Display 0 .. 100 uV, divided by 1000 for the report's unit; limit 25.
  const ChannelStatistics statistics = Statistics({0.02f, 0.03f, 0.1f, 0.2f}, 0, 100.0f / 1000, kGndNoise);
  EXPECT_EQ(statistics.DisplayedCount, 3);
  EXPECT_EQ(statistics.InSpecCount, 1);
}

TEST(ComputeStatistics, NoValuesGiveZeroCounts) {
  const ChannelStatistics statistics = Statistics({}, 0, 10);
  EXPECT_EQ(statistics.BarCounts, std::vector<std::int32_t>(21, 0));
  EXPECT_EQ(statistics.DisplayedCount, 0);
  EXPECT_EQ(statistics.InSpecCount, 0);
}

// The bars as defined, one bar after another in a pass of its own: bar k
// from its lower edge up to the next bar's lower edge, the last counted bar
// up to its edge plus the bar width.
std::vector<std::int32_t> BarsCountedOneByOne(const std::vector<float>& values, float low, float high,
                                              std::int32_t bars) {
  const float width = static_cast<float>(std::fabs(static_cast<double>(high) - low) / bars);
  std::vector<float> edges;
  for (float edge = low; static_cast<std::int32_t>(edges.size()) < bars && !(edge > high);
       edge = static_cast<float>(static_cast<double>(edge) + width)) {
    edges.push_back(edge);
  }
  std::vector<std::int32_t> counts(static_cast<std::size_t>(bars) + 1, 0);
  for (std::size_t k = 0; k < edges.size(); ++k) {
    const double upper = k + 1 < edges.size() ? static_cast<double>(edges[k + 1])
                                              : static_cast<double>(edges[k]) + width;
    for (const float v : values) {
      if (edges[k] <= v && v < upper) ++counts[k + 1];
    }
  }
  return counts;
}

TEST(ComputeStatistics, AValueOnARoundedEdgeLandsInOneBarOnly) {
  // 0 .. 10 in 30 bars: bar 3 ends above 1.0 while bar 4 starts at 1.0.
  std::vector<float> values = {1.0f};
  std::int32_t bars = 30;
  const ChannelStatistics statistics = ComputeStatistics(values, 0, 10, kSysNoise, bars);
  std::vector<std::int32_t> expected(31, 0);
  expected[4] = 1;
  EXPECT_EQ(statistics.BarCounts, expected);
  EXPECT_EQ(statistics.DisplayedCount, 1);
}

TEST(ComputeStatistics, EdgesRoundedToFloatCountEachValueInOneBar) {
  // Ranges whose edges do not fall on exact floats, where e + BarWidth
  // overlaps the next bar or leaves a gap before it, one so narrow that
  // every edge is the same, and ranges with infinite or NaN ends.
  const float inf = std::numeric_limits<float>::infinity();
  const float nan = std::numeric_limits<float>::quiet_NaN();
  const struct { float low, high; std::int32_t bars; } ranges[] = {
      {0.1f, 0.7f, 30}, {-3.3f, 7.7f, 17}, {16777216.0f, 16777300.0f, 13}, {0, 10, 30},
      {1e8f, 1e8f + 16.0f, 30}, {0.3f, 0.30000004f, 10}, {-1e30f, 1e30f, 11},
      {-3e38f, 3.4e38f, 10}, {-inf, 5, 10}, {0, inf, 10}, {nan, 5, 10}, {0, nan, 10},
  };
  for (const auto& range : ranges) {
    std::vector<float> values;
    std::int32_t bars = range.bars;
    const float width = Statistics({}, range.low, range.high, kSysNoise, range.bars).BarWidth;
    float edge = range.low;
    for (int k = 0; k <= range.bars + 1; ++k) {
      for (float v : {edge, std::nextafter(edge, -INFINITY), std::nextafter(edge, INFINITY),
                      static_cast<float>(edge + width * 0.5)}) {
        values.push_back(v);
      }
      edge = static_cast<float>(static_cast<double>(edge) + width);
    }
    values.push_back(inf);
    values.push_back(-inf);
    values.push_back(nan);
    values.push_back(std::numeric_limits<float>::max());
    values.push_back(-std::numeric_limits<float>::max());
    const ChannelStatistics statistics = ComputeStatistics(values, range.low, range.high, kSysNoise, bars);
    const std::vector<std::int32_t> expected = BarsCountedOneByOne(values, range.low, range.high, range.bars);
    EXPECT_EQ(statistics.BarCounts, expected) << range.low << " .. " << range.high << " in " << range.bars;
  }
}

}  // namespace
}  // namespace vorna
