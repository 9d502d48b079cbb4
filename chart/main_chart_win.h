#pragma once
// The chart of the main window: the histogram drawn with GDI into the chart
// bitmap and shown in the owner-drawn chart control (1003).

#include <windows.h>

#include "chart/chart_area.h"
#include "chart/chart_bitmap_win.h"
#include "chart/histogram.h"

namespace vorna {

// The one chart area of the process. Its drawing state starts with the
// system window-text colour on the button-face colour and carries over
// from chart to chart.
ChartArea& MainChartArea();

// Draws the chart for `input` into `bitmap` with `area`'s state, then shows
// it in `control` in one step (when `control` is not null). Creates the
// bitmap for the control's client size if it has none. All GDI objects made
// for the chart are released before it returns.
void DrawChart(ChartBitmap& bitmap, ChartArea& area, const HistogramInput& input, HWND control);

// The Open command's chart: DrawChart into MainChartBitmap() with
// MainChartArea(), shown in `chartControl` (control 1003 of the main window).
void DrawMainChart(HWND chartControl, const HistogramInput& input);

}  // namespace vorna
