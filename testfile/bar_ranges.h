#pragma once
// The value range of each histogram bar of an analysed report, for outputs
// that list the bars beside their counts.

#include <vector>

#include "testfile/analysis.h"

namespace vorna {

// Bar k (1..N) counts the values v with Low <= v < High, in loaded units.
struct BarRange {
  float Low = 0;
  float High = 0;
};

// The ranges of bars 1..N of `result` (element 0 is bar 1): the lower edge
// of bar 1 is the display low, each next edge is the previous one plus the
// bar width rounded to float, as the statistics count them. Empty for a
// report that was not analysed.
std::vector<BarRange> BarRangesOf(const AnalysisResult& result);

}  // namespace vorna
