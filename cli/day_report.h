#pragma once
// The day report: one self-contained HTML page (no scripts, nothing
// fetched) with the run's summary, a table of the reports, the boxes out of
// specification across all reports, and each analysed report's chart as
// inline SVG. Printed, it gives A4 pages, the charts on landscape ones.

#include <string>
#include <vector>

#include "cli/file_report.h"
#include "cli/run_summary.h"

namespace vorna {

// The page for `reports`; `charts` holds one SVG document per report
// (empty for a report that was not analysed or whose chart failed).
std::string DayReportHtml(const std::vector<FileReport>& reports, const RunSummary& summary,
                          const std::vector<std::string>& charts);

// `svg` (an SVG document as Cairo writes it) as an element to place in a
// page: the XML declaration dropped, and every id and reference to one
// prefixed with `prefix`, so that several charts in one page keep their
// own glyphs and clips.
std::string InlineSvg(const std::string& svg, const std::string& prefix);

}  // namespace vorna
