#include "cli/run_summary.h"

#include <algorithm>
#include <cmath>

#include "cli/exit_codes.h"

namespace vorna {
namespace {

// Box numbers in ascending order; one that is not a number (never read
// from a record line, but kept safe) sorts last.
bool BoxBefore(float a, float b) {
  if (std::isnan(a) || std::isnan(b)) return !std::isnan(a) && std::isnan(b);
  return a < b;
}

}  // namespace

RunSummary SummariseRun(const std::vector<FileReport>& reports) {
  RunSummary summary;
  summary.Files = reports.size();
  summary.NoReportFound = true;
  struct Entry {
    float Box;
    BoxFailure Failure;
  };
  std::vector<Entry> entries;
  for (std::size_t index = 0; index < reports.size(); ++index) {
    const FileReport& report = reports[index];
    const FileStatus status = StatusOf(report.Analysis);
    if (status == FileStatus::Analysed) ++summary.Analysed;
    if (status == FileStatus::NotAnalysed) ++summary.NotAnalysed;
    if (status == FileStatus::Analysed || status == FileStatus::NotAnalysed || status == FileStatus::UnknownType) {
      summary.NoReportFound = false;
    }
    if (IsFailure(report)) ++summary.Failed;
    if (report.Analysis.OutOfSpecFound()) summary.OutOfSpecification = true;
    for (const OutOfSpecBox& box : report.Analysis.OutOfSpecBoxes) {
      for (const OutOfSpecChannel& channel : box.Channels) {
        entries.push_back({box.BoxNumber, {index, channel.Channel, channel.Value}});
      }
    }
  }
  // Stable: failures of one box stay in report and file order.
  std::stable_sort(entries.begin(), entries.end(),
                   [](const Entry& a, const Entry& b) { return BoxBefore(a.Box, b.Box); });
  for (const Entry& entry : entries) {
    const bool sameBox = !summary.Boxes.empty() && !BoxBefore(summary.Boxes.back().Box, entry.Box) &&
                         !BoxBefore(entry.Box, summary.Boxes.back().Box);
    if (!sameBox) summary.Boxes.push_back({entry.Box, {}});
    summary.Boxes.back().Failures.push_back(entry.Failure);
  }

  if (summary.Failed > 0 || summary.NoReportFound) {
    summary.ExitCode = kExitFailed;
  } else if (summary.OutOfSpecification) {
    summary.ExitCode = kExitOutOfSpecification;
  } else {
    summary.ExitCode = kExitInSpecification;
  }
  return summary;
}

std::vector<BoxReportRow> BoxReportRows(const RunSummary& summary) {
  std::vector<BoxReportRow> rows;
  for (const FailingBox& box : summary.Boxes) {
    for (std::size_t f = 0; f < box.Failures.size(); ++f) {
      const BoxFailure& failure = box.Failures[f];
      if (f == 0 || failure.Report != box.Failures[f - 1].Report) {
        rows.push_back({box.Box, f == 0, failure.Report, {}});
      }
      rows.back().Failures.push_back(failure);
    }
  }
  return rows;
}

std::size_t FailingChannelCount(const RunSummary& summary) {
  std::size_t channels = 0;
  for (const FailingBox& box : summary.Boxes) channels += box.Failures.size();
  return channels;
}

}  // namespace vorna
