#pragma once
// The record pass of an analysis: every line of the report in file order,
// each record line checked box by box and its four values collected.

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "testfile/channel_statistics.h"

namespace vorna {

struct RecordPassResult {
  // The four channel values of every record line, in file order.
  std::vector<float> ChannelValues;
  // The header (test name CR LF "File " path CR LF) and one line per box
  // with channels out of specification (see EvaluateBox).
  std::string OutOfSpecReport;
  bool OutOfSpecFound = false;
  // The boxes behind the list's lines, in file order.
  std::vector<OutOfSpecBox> OutOfSpecBoxes;
  // Boxes with channels out of specification, kept or not.
  std::int32_t OutOfSpecBoxCount = 0;
  // Number of record lines read.
  std::int32_t RecordLines = 0;
};

// The first two lines of an out-of-specification list: `testName`, CR LF,
// "File " and `testFileName` trimmed of blanks, CR LF.
std::string OutOfSpecReportHeader(const std::string& testName, const std::string& testFileName);

// The record pass one line at a time: a record line is counted, checked
// box by box and its out-of-specification channels listed; the caller
// takes its four values. Memory grows with the list only.
class RecordCollector {
 public:
  // Boxes out of specification go to `handOver` when it is set, and are
  // then neither kept nor written into the list text.
  using BoxHandOver = std::function<void(const OutOfSpecBox&)>;
  RecordCollector(const std::string& testName, const std::string& testFileName, const SpecLimits& limits,
                  BoxHandOver handOver = nullptr);
  // The record of `line` after it has been counted and checked; nothing for
  // a line that is not a record.
  std::optional<BoxRecord> Take(std::string_view line);
  // What the lines so far gave; ChannelValues stays empty.
  RecordPassResult& Result() { return result_; }

 private:
  const SpecLimits limits_;
  const BoxHandOver handOver_;
  RecordPassResult result_;
};

// Reads every line of `reportBytes` (line rule of line_reader.h); each
// record line goes through EvaluateBox with `limits` and then adds its four
// values. Header lines are skipped by the record test like any other line.
// One linear pass; the values take 4 bytes each, reserved up front from the
// number of lines (never more than the size of the text).
RecordPassResult RunRecordPass(std::string_view reportBytes, const std::string& testName,
                               const std::string& testFileName, const SpecLimits& limits);

}  // namespace vorna
