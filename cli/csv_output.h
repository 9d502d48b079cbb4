#pragma once
// The three CSV files of a run: reports.csv, failures.csv and bars.csv.
// RFC 4180: a header row, fields quoted when they hold a comma, a quote or
// a line end, quotes doubled, CR LF after every row; UTF-8 without BOM.

#include <string>
#include <string_view>
#include <vector>

#include "cli/file_report.h"

namespace vorna {

// One field as RFC 4180 writes it.
std::string CsvField(std::string_view text);

struct CsvFile {
  std::string Name;   // "reports.csv", ...
  std::string Bytes;
};

// The three files for `reports`, in that order.
std::vector<CsvFile> RunCsvFiles(const std::vector<FileReport>& reports);

}  // namespace vorna
