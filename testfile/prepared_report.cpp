#include "testfile/prepared_report.h"

#include "testfile/report_format.h"
#include "util/file_access.h"

namespace vorna {

std::string ConvertedCopyPath(const std::string& reportPath) {
  return reportPath + std::string(kConvertedCopySuffix);
}

ConvertedCopy& ConvertedCopy::operator=(ConvertedCopy&& other) noexcept {
  if (this != &other) {
    Remove();
    path_ = std::move(other.path_);
    other.path_.clear();
  }
  return *this;
}

void ConvertedCopy::Remove() {
  if (path_.empty()) return;
  DeleteFileAt(path_);
  path_.clear();
}

PreparedReport PrepareReport(const std::string& chosenPath) {
  PreparedReport report;
  report.Bytes = ReadWholeFile(chosenPath);
  report.TestFileName = chosenPath;
  if (!NeedsLineEndConversion(report.Bytes)) return report;
  ConvertLineEnds(report.Bytes);
  report.Converted = true;
  std::string copyPath = ConvertedCopyPath(chosenPath);
  if (WriteNewFile(copyPath, report.Bytes)) {
    report.Copy = ConvertedCopy(copyPath);
    report.TestFileName = std::move(copyPath);
  }
  return report;
}

}  // namespace vorna
