#pragma once
// The chart of an analysed report: what DrawHistogram needs, taken from the
// analysis result, so that every front end draws the same chart.

#include "chart/histogram.h"
#include "testfile/analysis.h"

namespace vorna {

// The histogram input of `analysis` (an analysed report).
HistogramInput ChartInputOf(const AnalysisResult& analysis);

}  // namespace vorna
