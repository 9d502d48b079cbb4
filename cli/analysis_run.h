#pragma once
// The run over the inputs: each file analysed by the core with its own
// copy of the run's settings, several files at once, the results in input
// order whatever the number of workers.

#include <vector>

#include "cli/file_report.h"
#include "cli/input_walk.h"
#include "settings/settings_record.h"

namespace vorna {

// Analyses `inputs` with `jobs` workers (at least one) and returns one
// report per input, in input order. An input with a Problem is not opened:
// it comes back unreadable with that reason. Shows progress on standard
// error as Progress allows. Without `keepBoxes` the out-of-spec boxes are
// only counted, so memory does not grow with a report (for a run whose
// outputs name no box).
std::vector<FileReport> AnalyseInputs(const std::vector<InputFile>& inputs, const Settings& settings,
                                      int jobs, bool keepBoxes);

}  // namespace vorna
