#pragma once
// The chart files of the analysed reports of a run: drawn by the same
// DrawHistogram as the window's chart, on a white background; PNG and SVG
// through Cairo, or a 24-bit BMP through GDI on Windows.

#include <string>
#include <vector>

#include "cli/file_report.h"

namespace vorna {

struct ChartFile {
  std::string Extension;  // ".png", ".svg", ".bmp"
  std::string Bytes;      // empty when drawing failed
};

// The chart files of `analysis` (an analysed report) at `width` by `height` pixels.
std::vector<ChartFile> DrawChartFiles(const AnalysisResult& analysis, int width, int height);

// The chart of `analysis` as an SVG document (the native build only).
std::string DrawSvgChart(const AnalysisResult& analysis, int width, int height);

// The base name of each report's chart files, empty for a report that was
// not analysed: the report's file name, and for a name already used in the
// run (compared without regard to ASCII case) the name with "-2", "-3"...
// appended, in input order.
std::vector<std::string> ChartBaseNames(const std::vector<FileReport>& reports);

}  // namespace vorna
