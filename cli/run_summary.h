#pragma once
// What a whole run comes to: the counts, the exit code, and the boxes out
// of specification across all reports, which every output lists the same.

#include <cstddef>
#include <cstdint>
#include <vector>

#include "cli/file_report.h"

namespace vorna {

// One failing channel of a box, in the report at index Report of the run.
struct BoxFailure {
  std::size_t Report = 0;
  std::int32_t Channel = 0;
  float Value = 0;
};

// Every failure of one box number across the run: by report in input
// order, then in file order, then by channel.
struct FailingBox {
  float Box = 0;
  std::vector<BoxFailure> Failures;
};

struct RunSummary {
  std::size_t Files = 0;
  std::size_t Analysed = 0;
  std::size_t NotAnalysed = 0;
  std::size_t Failed = 0;        // reports for which IsFailure holds
  bool NoReportFound = false;    // not one input had the identification line
  bool OutOfSpecification = false;
  std::vector<FailingBox> Boxes; // sorted by box number
  int ExitCode = 0;
};

// One row of the lists of failing boxes: the failures of one box in one
// report, its channels in order.
struct BoxReportRow {
  float Box = 0;
  bool FirstOfBox = false;  // the first row of its box
  std::size_t Report = 0;
  std::vector<BoxFailure> Failures;
};

// The rows of every failing box, in the order of `summary.Boxes`, each box's
// reports in input order.
std::vector<BoxReportRow> BoxReportRows(const RunSummary& summary);

// Failing channels across the run.
std::size_t FailingChannelCount(const RunSummary& summary);

// The summary of `reports`: exit 2 when any report failed or no report was
// found, else 1 when any analysed report has a box out of specification,
// else 0.
RunSummary SummariseRun(const std::vector<FileReport>& reports);

}  // namespace vorna
