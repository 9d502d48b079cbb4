// Chart files of the portable build: PNG and SVG drawn through Cairo.
#include "chart/analysis_chart.h"
#include "chart/cairo_canvas_posix.h"
#include "cli/chart_files.h"

namespace vorna {
namespace {

constexpr Colour kPaper{255, 255, 255};

std::string Draw(ChartFileFormat format, const AnalysisResult& analysis, int width, int height) {
  CairoCanvas canvas(format, width, height);
  ChartArea area(kBlack, kPaper);
  DrawHistogram(area, canvas, ChartInputOf(analysis));
  return canvas.FileBytes();
}

}  // namespace

std::vector<ChartFile> DrawChartFiles(const AnalysisResult& analysis, int width, int height) {
  return {{".png", Draw(ChartFileFormat::Png, analysis, width, height)},
          {".svg", Draw(ChartFileFormat::Svg, analysis, width, height)}};
}

std::string DrawSvgChart(const AnalysisResult& analysis, int width, int height) {
  return Draw(ChartFileFormat::Svg, analysis, width, height);
}

}  // namespace vorna
