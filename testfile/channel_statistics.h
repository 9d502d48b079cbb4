#pragma once
// Evaluation of the channel values of one loaded test: the per-box check
// that builds the out-of-specification list, and the histogram bar counts
// and totals over the display range. Values, limits and edges are floats;
// every product and sum is compared in double, never rounded to float first.

#include <algorithm>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "testfile/report_format.h"

namespace vorna {

// The test limits of a test type and the factor a value is multiplied by
// before it is compared with them (1, or 1000 for Ground noise).
struct SpecLimits {
  float LimitLow = 0;
  float LimitHigh = 0;
  float ValueScale = 1;
};

// LimitLow <= value * ValueScale <= LimitHigh, both ends included; the
// product is formed and compared in double.
inline bool IsInSpecification(float value, const SpecLimits& limits) {
  const double scaled = static_cast<double>(value) * static_cast<double>(limits.ValueScale);
  return limits.LimitLow <= scaled && scaled <= limits.LimitHigh;
}

// A box with channels out of specification: its number as read and, in
// channel order, each failing channel (1..4) with its unscaled value.
struct OutOfSpecChannel {
  std::int32_t Channel = 0;
  float Value = 0;
};
struct OutOfSpecBox {
  float BoxNumber = 0;
  std::vector<OutOfSpecChannel> Channels;
};

// The channels of `box` whose scaled value lies below LimitLow or above
// LimitHigh; nothing when all four are in specification.
std::optional<OutOfSpecBox> FindOutOfSpecChannels(const BoxRecord& box, const SpecLimits& limits);

// Appends the list line of `box` to `outOfSpecReport` (format below).
void AppendOutOfSpecLine(const OutOfSpecBox& box, std::string& outOfSpecReport);

// Checks the four channels of `box`: a channel whose scaled value lies below
// LimitLow or above LimitHigh is out of specification. When any is, appends
// one line to `outOfSpecReport` and sets `outOfSpecFound`:
//   CR LF "Box " <box number text, PadOut to 20> "Channel(s) " TAB
//   then TAB " " n for each such channel n (1..4).
// A box with all four channels in specification changes nothing.
void EvaluateBox(const BoxRecord& box, const SpecLimits& limits, std::string& outOfSpecReport,
                 bool& outOfSpecFound);

inline constexpr std::int32_t kFewestBars = 10;
inline constexpr std::int32_t kMostBars = 30;
inline constexpr std::int32_t kStandardBars = 20;

// The bar count to use: `histogramBars` when it lies in 10..30, else 20, in
// which case `histogramBars` is set to 20 as well.
std::int32_t CorrectedBarCount(std::int32_t& histogramBars);

struct ChannelStatistics {
  std::int32_t BarCount = 0;  // N, 10..30
  float BarWidth = 0;         // |DisplayHigh - DisplayLow| / N, never negative
  // Elements 0..N; element k (1..N) counts the values of bar k (see
  // StatisticsCounter). Element 0 always stays 0.
  std::vector<std::int32_t> BarCounts;
  std::int32_t DisplayedCount = 0;  // DisplayLow <= v <= DisplayHigh
  std::int32_t InSpecCount = 0;     // IsInSpecification(v)
};

// The bar counts and the two totals, counted while the values pass one at
// a time, in memory that does not depend on how many there are.
//
// The lower edge e(1) of bar 1 is displayLow and each next edge is the
// previous one plus BarWidth, rounded to float; counting stops at the first
// edge above displayHigh, so an inverted range counts no bar. Bar k covers
// e(k) <= v < e(k+1), up to the next bar's lower edge, so that each value
// lies in one bar at most even where the rounding of the edges would make
// e(k) + BarWidth overlap the next bar or leave a gap before it; the last
// counted bar covers e(k) <= v < e(k) + BarWidth. The display range and
// the bars compare unscaled values, the limits scaled ones.
class StatisticsCounter {
 public:
  // Corrects a bar count outside 10..30 to 20, in `histogramBars` as well.
  StatisticsCounter(float displayLow, float displayHigh, const SpecLimits& limits,
                    std::int32_t& histogramBars);

  void Add(float value) {
    const double v = value;
    if (low_ <= v && v <= high_) ++statistics_.DisplayedCount;
    if (IsInSpecification(value, limits_)) ++statistics_.InSpecCount;
    if (ordered_) {
      // Outside the bars (NaN included) at once; else the last edge not
      // above v, from an estimate that the rounded edges put one bar off
      // at most, except in ranges too narrow for the edges to advance.
      if (!(v >= lower_[0] && v < lastUpper_)) return;
      const double estimate = (v - lower_[0]) * inverseWidth_;
      std::size_t bar = estimate < static_cast<double>(lower_.size()) ? static_cast<std::size_t>(estimate)
                                                                       : lower_.size() - 1;
      while (bar + 1 < lower_.size() && lower_[bar + 1] <= v) ++bar;
      while (bar > 0 && lower_[bar] > v) --bar;
      ++statistics_.BarCounts[bar + 1];
    } else {
      AddToUnorderedBars(v);
    }
  }

  const ChannelStatistics& Statistics() const { return statistics_; }

 private:
  void AddToUnorderedBars(double v);

  ChannelStatistics statistics_;
  double low_, high_;
  SpecLimits limits_;
  std::vector<double> lower_;  // e(k) of the counted bars
  double lastUpper_ = 0;       // e(last) + BarWidth
  double inverseWidth_ = 0;    // 1 / BarWidth, or 0 when that is not finite
  bool ordered_ = false;       // finite, non-decreasing edges and at least one bar
};

// The statistics of `channelValues` through StatisticsCounter, with the
// bar count correction written back to `histogramBars`.
ChannelStatistics ComputeStatistics(const std::vector<float>& channelValues, float displayLow,
                                    float displayHigh, const SpecLimits& limits,
                                    std::int32_t& histogramBars);

}  // namespace vorna
