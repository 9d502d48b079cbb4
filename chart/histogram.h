#pragma once
// The histogram chart of one analysis: a bar per bin with its share of all
// values, tick labels under the bar edges, red markers at the test limits
// and the statistics text. Draws through a Canvas; computes no statistics.

#include <cstdint>
#include <string>
#include <vector>

#include "chart/canvas.h"
#include "chart/chart_area.h"

namespace vorna {

// What the Open command hands to the chart, as the analysis left it.
struct HistogramInput {
  std::vector<std::int32_t> BarCounts;  // elements 0..N; bar i uses element i, 0 is not drawn
  std::int32_t TotalTraces = 0;         // values loaded from the report
  float DisplayLow = 0;                 // lower edge of bar 1, in loaded units
  float BarWidth = 0;                   // width of one bar, in loaded units
  std::string UnitText;                 // unit of the test ("uV", "Ohm", ... or empty)
  float ValueScale = 1;                 // loaded to displayed units (1, or 1000 for Ground noise)
  float LimitLow = 0;                   // test limits, in displayed units
  float LimitHigh = 0;
  std::int32_t DisplayedCount = 0;      // values inside the display range
  std::int32_t InSpecCount = 0;         // values inside the test limits
  std::string TestName;                 // test name from the report
  std::string FileDate;                 // date text from the report
};

// Colours of the chart.
constexpr Colour kBarFill{0, 255, 0};
constexpr Colour kLimitRed{255, 0, 0};
constexpr Colour kPassGreen{0, 128, 0};
constexpr Colour kBlack{0, 0, 0};
constexpr Colour kCreditGrey{128, 128, 128};

// The one-line credit drawn at the top left of every chart.
extern const char kCreditLine[];

// A count's share of all values in percent, as the chart writes it: one
// decimal ("97.5"); no values at all give "0.0".
std::string ShareText(std::int32_t count, std::int32_t total);

// Draws the chart for `input` on `canvas`, with `area`'s drawing state at
// the start, and shows it with one Present() at the end. Leaves `area` with
// "MS Sans Serif" 8 and black, ready for the next chart. A TotalTraces of 0
// shows every share as 0.0 and no out-of-specification line; no input gives
// a division by zero or a non-number on the chart's shares.
void DrawHistogram(ChartArea& area, Canvas& canvas, const HistogramInput& input);

}  // namespace vorna
