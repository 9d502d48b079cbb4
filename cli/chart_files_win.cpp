// Chart files of the Windows build: the GDI chart the window draws, as a
// 24-bit bitmap file.
#include <windows.h>

#include "chart/analysis_chart.h"
#include "chart/bitmap_file.h"
#include "chart/chart_bitmap_win.h"
#include "chart/gdi_canvas_win.h"
#include "cli/chart_files.h"

namespace vorna {
namespace {

constexpr Colour kPaper{255, 255, 255};
// The pixels per inch that the portable charts use too.
constexpr int kChartLogPixelsY = 96;

}  // namespace

std::vector<ChartFile> DrawChartFiles(const AnalysisResult& analysis, int width, int height) {
  ChartBitmap bitmap;
  bitmap.Create(width, height, kPaper);
  if (!bitmap.valid()) return {{".bmp", {}}};
  ChartArea area(kBlack, kPaper);
  GdiCanvas canvas(bitmap.dc(), bitmap.width(), bitmap.height(), kChartLogPixelsY, nullptr);
  DrawHistogram(area, canvas, ChartInputOf(analysis));
  return {{".bmp", BitmapFileBytes(bitmap.width(), bitmap.height(), bitmap.bits())}};
}

}  // namespace vorna
