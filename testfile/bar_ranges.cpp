#include "testfile/bar_ranges.h"

namespace vorna {

std::vector<BarRange> BarRangesOf(const AnalysisResult& result) {
  std::vector<BarRange> ranges;
  if (result.Outcome != AnalysisOutcome::Analysed) return ranges;
  const float width = result.Statistics.BarWidth;
  float edge = result.Type.DisplayLow;
  for (std::int32_t bar = 1; bar <= result.Statistics.BarCount; ++bar) {
    const float next = static_cast<float>(static_cast<double>(edge) + static_cast<double>(width));
    ranges.push_back({edge, next});
    edge = next;
  }
  return ranges;
}

}  // namespace vorna
