#pragma once
// One input of a run with its analysis, and the status every output
// gives it.

#include <cstdint>

#include "cli/input_walk.h"
#include "testfile/analysis.h"

namespace vorna {

enum class FileStatus { Analysed, NotAnalysed, UnknownType, NotAReport, Unreadable };

struct FileReport {
  InputFile Input;
  AnalysisResult Analysis;
};

FileStatus StatusOf(const AnalysisResult& analysis);

// "analysed", "not_analysed", "unknown_type", "not_a_report", "unreadable".
const char* StatusName(FileStatus status);

// True when the file makes the run fail: an unknown test type, a file that
// cannot be read, or a file named on the command line that is not a report.
// A refused test type, and a non-report found in a folder, are no failure.
bool IsFailure(const FileReport& report);

}  // namespace vorna
