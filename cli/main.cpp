// vorna-analyse: the analysis of a day's reports from the command line.
// Options, the run over the files, then one writer per output.

#include <cstdio>
#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

#include "cli/analysis_run.h"
#include "cli/chart_files.h"
#include "cli/csv_output.h"
#include "cli/exit_codes.h"
#include "cli/input_walk.h"
#include "cli/json_output.h"
#include "cli/native_outputs.h"
#include "cli/options.h"
#include "cli/path_join.h"
#include "cli/run_summary.h"
#include "cli/table_output.h"
#include "cli/version.h"
#include "util/file_access.h"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

namespace vorna {
namespace {

// One line on standard error naming what it is about.
void Problem(const std::string& about, const std::string& reason) {
  std::cerr << kProgramName << ": " << about << ": " << reason << "\n";
}

void ReportProblems(const std::vector<FileReport>& reports) {
  for (const FileReport& report : reports) {
    if (IsFailure(report)) Problem(report.Input.Path, report.Analysis.Message);
  }
}

// Creates `folder` when absent. False, with one line on standard error,
// when it cannot be made.
bool MakeFolder(const std::string& folder) {
  std::error_code error;
  std::filesystem::create_directories(std::filesystem::path(folder), error);
  if (error && !std::filesystem::is_directory(std::filesystem::path(folder))) {
    Problem(folder, "cannot create the folder: " + error.message());
    return false;
  }
  return true;
}

bool WriteOutput(const std::string& path, const std::string& bytes) {
  if (WriteWholeFile(path, bytes)) return true;
  Problem(path, "cannot be written");
  return false;
}

bool WriteCsv(const std::string& folder, const std::vector<FileReport>& reports) {
  if (!MakeFolder(folder)) return false;
  bool ok = true;
  for (const CsvFile& file : RunCsvFiles(reports)) {
    ok = WriteOutput(JoinPath(folder, file.Name, SeparatorFor(folder)), file.Bytes) && ok;
  }
  return ok;
}

bool WriteCharts(const RunOptions& options, const std::vector<FileReport>& reports) {
  if (!MakeFolder(options.ChartFolder)) return false;
  const std::vector<std::string> names = ChartBaseNames(reports);
  const char separator = SeparatorFor(options.ChartFolder);
  bool ok = true;
  for (std::size_t i = 0; i < reports.size(); ++i) {
    if (names[i].empty()) continue;
    for (const ChartFile& chart : DrawChartFiles(reports[i].Analysis, options.ChartWidth, options.ChartHeight)) {
      const std::string path = JoinPath(options.ChartFolder, names[i] + chart.Extension, separator);
      if (chart.Bytes.empty()) {
        Problem(path, "the chart could not be drawn");
        ok = false;
      } else {
        ok = WriteOutput(path, chart.Bytes) && ok;
      }
    }
  }
  return ok;
}

int Run(int argc, char** argv) {
  RunOptions options;
  if (const std::optional<int> exitCode = ParseCommandLine(argc, argv, options)) return *exitCode;
  if (options.HistoryCommand) return RunHistoryQuery(options.Query);
  // A history that cannot be used stops the run before any work.
  NativeOutputs nativeOutputs;
  if (!nativeOutputs.Prepare(options)) return kExitFailed;

  // Only the table and the written outputs name boxes; a quiet run without
  // them needs the verdict alone.
  const bool keepBoxes = !options.Quiet || !options.JsonFile.empty() || !options.CsvFolder.empty() ||
                         !options.HistoryFile.empty() || !options.HtmlFile.empty();
  const std::vector<FileReport> reports = AnalyseInputs(WalkInputs(options.Paths, options.Recursive),
                                                        options.RunSettings, options.Jobs, keepBoxes);
  const RunSummary summary = SummariseRun(reports);
  ReportProblems(reports);
  // A run whose every input was already named as a problem needs no more.
  if (summary.NoReportFound && summary.Failed == 0) {
    Problem("no report found", "no input holds the identification line");
  }

  bool written = true;
  const bool jsonToStandardOutput = options.JsonFile == "-";
  if (!options.Quiet && !jsonToStandardOutput) std::cout << RunTable(reports, summary) << std::flush;
  if (!options.JsonFile.empty()) {
    const std::string text = JsonText(RunDocument(reports, summary));
    if (jsonToStandardOutput) {
      std::cout << text << std::flush;
    } else {
      written = WriteOutput(options.JsonFile, text) && written;
    }
  }
  if (!options.CsvFolder.empty()) written = WriteCsv(options.CsvFolder, reports) && written;
  if (!options.ChartFolder.empty()) written = WriteCharts(options, reports) && written;
  written = nativeOutputs.Write(options, reports, summary) && written;
  return written ? summary.ExitCode : kExitFailed;
}

}  // namespace
}  // namespace vorna

int main(int argc, char** argv) {
#ifdef _WIN32
  // Standard output carries JSON byte for byte, as on every system.
  _setmode(_fileno(stdout), _O_BINARY);
#endif
  try {
    return vorna::Run(argc, argv);
  } catch (const std::exception& error) {
    vorna::Problem(vorna::kProgramName, error.what());
  } catch (...) {
    vorna::Problem(vorna::kProgramName, "unexpected failure");
  }
  return vorna::kExitFailed;
}
