#include "cli/options.h"

#include <CLI/CLI.hpp>

#include <cstdio>
#include <iostream>
#include <thread>

#include "cli/exit_codes.h"
#include "cli/version.h"
#include "settings/settings_field_text.h"
#include "settings/settings_file.h"
#include "util/file_access.h"

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
  app.add_option("PATH", options.Paths, "A report file, or a folder: every file in it")->required();
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

  try {
    app.parse(argc, argv);
  } catch (const CLI::CallForHelp& help) {
    return app.exit(help);
  } catch (const CLI::CallForVersion& version) {
    return app.exit(version);
  } catch (const CLI::ParseError& error) {
    return UsageError(error.what());
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
