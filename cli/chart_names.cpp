#include <set>

#include "cli/chart_files.h"
#include "cli/path_join.h"
#include "util/text_helpers.h"

namespace vorna {
namespace {

std::string FileNameOf(const std::string& path) {
  std::size_t start = path.size();
  while (start > 0 && !IsPathSeparator(path[start - 1])) --start;
  return path.substr(start);
}

}  // namespace

std::vector<std::string> ChartBaseNames(const std::vector<FileReport>& reports) {
  std::vector<std::string> names;
  std::set<std::string> used;
  for (const FileReport& report : reports) {
    if (report.Analysis.Outcome != AnalysisOutcome::Analysed) {
      names.emplace_back();
      continue;
    }
    const std::string name = FileNameOf(report.Input.Path);
    std::string chosen = name;
    for (int repeat = 2; used.count(UpperCase(chosen)) != 0; ++repeat) {
      chosen = name + "-" + std::to_string(repeat);
    }
    used.insert(UpperCase(chosen));
    names.push_back(chosen);
  }
  return names;
}

}  // namespace vorna
