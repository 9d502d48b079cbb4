#pragma once
// The outputs of the native build only: the history of runs (SQLite) and
// the day report (HTML with charts drawn by Cairo). The Windows build
// refuses their options as usage errors, so its counterparts of these
// calls are never reached with work to do.

#include <memory>
#include <vector>

#include "cli/file_report.h"
#include "cli/options.h"
#include "cli/run_summary.h"

namespace vorna {

#ifdef _WIN32
inline constexpr bool kNativeOutputsAvailable = false;
#else
inline constexpr bool kNativeOutputsAvailable = true;
#endif

class NativeOutputs {
 public:
  NativeOutputs();
  ~NativeOutputs();
  NativeOutputs(const NativeOutputs&) = delete;
  NativeOutputs& operator=(const NativeOutputs&) = delete;

  // Before the run: opens the history asked for (created when absent, its
  // schema brought up to date). False, with one line on standard error,
  // when it cannot be used; the file is then left as it was.
  bool Prepare(const RunOptions& options);

  // After the run: records its analysed reports in the history (one
  // transaction) and writes the day report. False, with one line on
  // standard error per problem, when one of them failed.
  bool Write(const RunOptions& options, const std::vector<FileReport>& reports, const RunSummary& summary);

 private:
  struct State;
  std::unique_ptr<State> state_;
};

// The history subcommand: the trend table on standard output and JSON as
// asked. Returns the exit code: 0, or 2 when the history cannot be read or
// the JSON cannot be written.
int RunHistoryQuery(const HistoryQueryOptions& options);

}  // namespace vorna
