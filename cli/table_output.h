#pragma once
// The readable table on standard output: one row per file, then the boxes
// out of specification across all files, the list a crew takes to the
// spread.

#include <string>
#include <vector>

#include "cli/file_report.h"
#include "cli/run_summary.h"

namespace vorna {

// The whole table as text, lines ending in a line feed.
std::string RunTable(const std::vector<FileReport>& reports, const RunSummary& summary);

}  // namespace vorna
