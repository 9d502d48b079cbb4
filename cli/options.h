#pragma once
// The command line of vorna-analyse, from one table of options (CLI11),
// which --help is generated from.

#include <optional>
#include <string>
#include <vector>

#include "settings/settings_record.h"

namespace vorna {

// `vorna-analyse history FILE ...`: a box's failures across recorded runs.
struct HistoryQueryOptions {
  std::string Database;
  std::optional<float> Box;
  std::string TestName;
  std::string SinceDay;  // "YYYY-MM-DD", empty: every day
  std::string JsonFile;  // "-" for standard output; empty: none
};

struct RunOptions {
  bool HistoryCommand = false;   // the history subcommand: Query holds its options, the rest is unused
  HistoryQueryOptions Query;
  std::vector<std::string> Paths;
  bool Recursive = false;
  Settings RunSettings;          // from --settings or VORNAanalyser.def, then every --set
  std::string JsonFile;          // "-" for standard output; empty: none
  std::string CsvFolder;         // empty: none
  std::string ChartFolder;       // empty: none
  std::string HistoryFile;       // the history the run is recorded in; empty: none
  std::string HtmlFile;          // the day report; empty: none
  int ChartWidth = 900;
  int ChartHeight = 600;
  int Jobs = 1;
  bool Quiet = false;
};

// Reads the command line into `options`. Returns nothing when the run
// should go on; otherwise the exit code to end with at once: 0 after
// --help or --version (printed on standard output), 64 after a usage
// error (one line on standard error, e.g. an unknown --set name with the
// list of valid names, or an option of the native build only given to the
// Windows build).
std::optional<int> ParseCommandLine(int argc, char** argv, RunOptions& options);

}  // namespace vorna
