#include "cli/options.h"

#include <CLI/CLI.hpp>

#include <cstdio>
#include <iostream>
#include <thread>

#include "cli/exit_codes.h"
#include "cli/native_outputs.h"
#include "cli/version.h"
#include "settings/settings_field_text.h"
#include "settings/settings_file.h"
#include "util/file_access.h"
#include "util/test_date.h"

namespace vorna {
namespace {

constexpr int kLargestChartSide = 10000;
constexpr int kMostJobs = 256;

// "WxH" with both sides 1..10000.
bool ReadChartSize(const std::string& text, int& width, int& height) {
  int w = 0, h = 0;
  char x = 0, extra = 0;
  if (std::sscanf(text.c_str(), "%d%c%d%c", &w, &x, &h, &extra) != 3 || (x != 'x' && x != 'X')) return false;
  if (w < 1 || h < 1 || w > kLargestChartSide || h > kLargestChartSide) return false;
  width = w;
  height = h;
  return true;
}

std::string FieldNames() {
  std::string names;
  for (const SettingsField& field : SettingsFieldTable()) {
    if (!names.empty()) names += ", ";
    names += field.name;
  }
  return names;
}

// Applies one "NAME=VALUE"; the reason when it cannot.
std::string ApplySet(const std::string& assignment, Settings& settings) {
  const std::size_t equals = assignment.find('=');
  if (equals == std::string::npos) return "--set takes NAME=VALUE, not \"" + assignment + "\"";
  const std::string name = assignment.substr(0, equals);
  const SettingsField* field = FindSettingsField(name);
  if (field == nullptr) return "--set: unknown settings field \"" + name + "\"; valid names: " + FieldNames();
  SetFieldFromText(settings, *field, assignment.substr(equals + 1));
  return {};
}

int UsageError(const std::string& reason) {
  std::cerr << kProgramName << ": " << reason << " (see --help)" << std::endl;
  return kExitUsage;
}

}  // namespace

std::optional<int> ParseCommandLine(int argc, char** argv, RunOptions& options) {
  CLI::App app("Analyses VORNA system test reports: a table of the results, the boxes out of\n"
               "specification across all reports, and JSON, CSV and chart files on request.",
               kProgramName);
  std::string settingsFile;
  std::vector<std::string> sets;
  std::string chartSize = "900x600";
  int jobs = static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));

  app.set_version_flag("--version", std::string(kProgramName) + " " + kProgramVersion);
  app.add_option("PATH", options.Paths, "A report file, or a folder: every file in it");
  app.add_flag("-r,--recursive", options.Recursive, "Also the files in the subfolders of every folder");
  app.add_option("--settings", settingsFile,
                 "Limits, display ranges and bar count from this settings file (default: "
                 "VORNAanalyser.def in the current folder when there is one, else the defaults)")
      ->check(CLI::ExistingFile);
  app.add_option("--set", sets, "Sets one settings field, e.g. GeoResLimitLow=830 or HistogramBars=30 (repeatable)")
      ->type_name("NAME=VALUE")
      ->allow_extra_args(false);
  app.add_option("--json", options.JsonFile, "Writes the results as JSON to FILE (- for standard output)")
      ->type_name("FILE");
  app.add_option("--csv", options.CsvFolder, "Writes reports.csv, failures.csv and bars.csv into DIR")
      ->type_name("DIR");
  app.add_option("--charts", options.ChartFolder,
#ifdef _WIN32
                 "Writes each analysed report's chart into DIR as NAME.bmp"
#else
                 "Writes each analysed report's chart into DIR as NAME.png and NAME.svg"
#endif
                 )
      ->type_name("DIR");
  app.add_option("--chart-size", chartSize, "Chart size in pixels")->type_name("WxH")->capture_default_str();
  app.add_option("-j,--jobs", jobs, "Files analysed at once (default: the number of cores)")
      ->check(CLI::Range(1, kMostJobs));
  app.add_flag("-q,--quiet", options.Quiet, "No table on standard output");
  app.add_option("--history", options.HistoryFile,
                 "Records every analysed report in the history database FILE (created when absent); "
                 "a report recorded before is not added again")
      ->type_name("FILE");
  app.add_option("--html", options.HtmlFile,
                 "Writes the day report to FILE: one HTML page with the summary, the reports, the boxes "
                 "out of specification and each chart")
      ->type_name("FILE");

  CLI::App* history = app.add_subcommand(
      "history", "Shows each box's failures across the runs recorded in the history database FILE, the boxes "
                 "that failed on the most days first");
  std::string since;
  history->add_option("FILE", options.Query.Database, "The history database")->required();
  history->add_option("--box", options.Query.Box, "Only this box")->type_name("N");
  history->add_option("--test", options.Query.TestName, "Only this test (any case), e.g. \"Geophone leakage\"")
      ->type_name("NAME");
  history->add_option("--since", since, "Only reports of this date or later")->type_name("DD-MM-YYYY");
  history->add_option("--json", options.Query.JsonFile, "Writes the failures as JSON to FILE (- for standard output)")
      ->type_name("FILE");

  try {
    app.parse(argc, argv);
  } catch (const CLI::CallForHelp& help) {
    return app.exit(help);
  } catch (const CLI::CallForVersion& version) {
    return app.exit(version);
  } catch (const CLI::ParseError& error) {
    return UsageError(error.what());
  }

  if (history->parsed()) {
    if (!kNativeOutputsAvailable) return UsageError("the history is not available in the Windows build");
    options.HistoryCommand = true;
    if (!since.empty()) {
      options.Query.SinceDay = SortableDay(since);
      if (options.Query.SinceDay.empty()) return UsageError("--since takes a date DD-MM-YYYY, not \"" + since + "\"");
    }
    return std::nullopt;
  }
  if (options.Paths.empty()) return UsageError("PATH is required");
  if (!kNativeOutputsAvailable && !options.HistoryFile.empty()) {
    return UsageError("--history is not available in the Windows build");
  }
  if (!kNativeOutputsAvailable && !options.HtmlFile.empty()) {
    return UsageError("--html is not available in the Windows build");
  }
  if (!ReadChartSize(chartSize, options.ChartWidth, options.ChartHeight)) {
    return UsageError("--chart-size takes WxH with sides of 1 to " + std::to_string(kLargestChartSide) +
                      " pixels, not \"" + chartSize + "\"");
  }
  options.Jobs = jobs;
  if (settingsFile.empty() && IsOrdinaryFile(kSettingsFileName)) settingsFile = kSettingsFileName;
  options.RunSettings = settingsFile.empty() ? DefaultSettings() : ReadSettingsFile(settingsFile);
  for (const std::string& assignment : sets) {
    const std::string problem = ApplySet(assignment, options.RunSettings);
    if (!problem.empty()) return UsageError(problem);
  }
  return std::nullopt;
}

}  // namespace vorna
