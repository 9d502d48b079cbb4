#include "cli/file_report.h"

namespace vorna {

FileStatus StatusOf(const AnalysisResult& analysis) {
  switch (analysis.Outcome) {
    case AnalysisOutcome::Analysed:
      return FileStatus::Analysed;
    case AnalysisOutcome::RefusedType:
      return FileStatus::NotAnalysed;
    case AnalysisOutcome::UnknownType:
      return FileStatus::UnknownType;
    case AnalysisOutcome::NotAReport:
      return FileStatus::NotAReport;
    case AnalysisOutcome::Unreadable:
      break;
  }
  return FileStatus::Unreadable;
}

const char* StatusName(FileStatus status) {
  switch (status) {
    case FileStatus::Analysed:
      return "analysed";
    case FileStatus::NotAnalysed:
      return "not_analysed";
    case FileStatus::UnknownType:
      return "unknown_type";
    case FileStatus::NotAReport:
      return "not_a_report";
    case FileStatus::Unreadable:
      break;
  }
  return "unreadable";
}

bool IsFailure(const FileReport& report) {
  switch (StatusOf(report.Analysis)) {
    case FileStatus::UnknownType:
    case FileStatus::Unreadable:
      return true;
    case FileStatus::NotAReport:
      return report.Input.Named;
    default:
      return false;
  }
}

}  // namespace vorna
