#include "testfile/prepared_report.h"

#include <cstdint>
#include <vector>

#include "testfile/analysis.h"
#include "util/file_access.h"
#include "util/file_reader.h"
#include "util/new_file_writer.h"

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

namespace {

// Writes the conversion of `reportPath` (every LF as CR LF, then one more
// CR LF) to a new file at `copyPath`. A report that cannot be opened or
// read converts as an empty one, or as far as its reading got. False, with
// any file this call created deleted again, when the copy cannot be
// created or written in full.
bool WriteConvertedCopy(const std::string& reportPath, const std::string& copyPath) {
  bool written = false;
  {
    NewFileWriter copy(copyPath);
    if (!copy.IsOpen()) return false;
    FileReader report(reportPath);
    std::vector<char> chunk(kReportChunkBytes);
    std::string converted;
    converted.reserve(2 * chunk.size());
    std::int64_t got = report.IsOpen() ? 1 : 0;
    for (written = true; written && got > 0;) {
      got = report.Read(chunk.data(), chunk.size());
      converted.clear();
      for (std::int64_t index = 0; index < got; ++index) {
        if (chunk[static_cast<std::size_t>(index)] == '\n') converted += '\r';
        converted += chunk[static_cast<std::size_t>(index)];
      }
      written = copy.Write(converted.data(), converted.size());
    }
    written = written && copy.Write("\r\n", 2);
  }
  if (!written) DeleteFileAt(copyPath);
  return written;
}

}  // namespace

PreparedReport PrepareReport(const std::string& chosenPath) {
  PreparedReport report;
  report.ReadPath = chosenPath;
  report.TestFileName = chosenPath;
  std::string error;
  report.Ends = LineEndsOfFile(chosenPath, error);
  if (!error.empty()) report.Ends = LineEnds::LineFeedsAlone;  // as an empty file
  if (report.Ends == LineEnds::CarriageReturn) return report;
  report.Converted = true;
  std::string copyPath = ConvertedCopyPath(chosenPath);
  if (WriteConvertedCopy(chosenPath, copyPath)) {
    report.Copy = ConvertedCopy(copyPath);
    report.ReadPath = copyPath;
    report.Ends = LineEnds::CarriageReturn;
    report.TestFileName = std::move(copyPath);
  }
  return report;
}

}  // namespace vorna
