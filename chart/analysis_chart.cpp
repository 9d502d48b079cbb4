#include "chart/analysis_chart.h"

namespace vorna {

HistogramInput ChartInputOf(const AnalysisResult& analysis) {
  HistogramInput chart;
  chart.BarCounts = analysis.Statistics.BarCounts;
  chart.TotalTraces = analysis.TotalTraces;
  chart.DisplayLow = analysis.Type.DisplayLow;
  chart.BarWidth = analysis.Statistics.BarWidth;
  chart.UnitText = analysis.Type.UnitText;
  chart.ValueScale = analysis.Type.Limits.ValueScale;
  chart.LimitLow = analysis.Type.Limits.LimitLow;
  chart.LimitHigh = analysis.Type.Limits.LimitHigh;
  chart.DisplayedCount = analysis.Statistics.DisplayedCount;
  chart.InSpecCount = analysis.Statistics.InSpecCount;
  chart.TestName = analysis.TestName;
  chart.FileDate = analysis.TestDate;
  return chart;
}

}  // namespace vorna
