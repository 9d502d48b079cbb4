#include "chart/main_chart_win.h"

#include "chart/gdi_canvas_win.h"
#include "win/dialog_fonts_win.h"

namespace vorna {

ChartArea& MainChartArea() {
  static ChartArea area(FromColorRef(GetSysColor(COLOR_WINDOWTEXT)),
                        FromColorRef(GetSysColor(COLOR_BTNFACE)));
  return area;
}

void DrawChart(ChartBitmap& bitmap, ChartArea& area, const HistogramInput& input, HWND control) {
  if (!bitmap.valid() && control != nullptr) bitmap.Create(control);
  if (!bitmap.valid()) return;
  GdiCanvas canvas(bitmap.dc(), bitmap.width(), bitmap.height(), ScreenDotsPerInch(), control);
  DrawHistogram(area, canvas, input);
}

void DrawMainChart(HWND chartControl, const HistogramInput& input) {
  DrawChart(MainChartBitmap(), MainChartArea(), input, chartControl);
}

}  // namespace vorna
