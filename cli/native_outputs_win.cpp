// The Windows build has neither the history nor the day report: its
// options refuse them, so there is never anything to do here.
#include "cli/exit_codes.h"
#include "cli/native_outputs.h"

namespace vorna {

struct NativeOutputs::State {};

NativeOutputs::NativeOutputs() = default;
NativeOutputs::~NativeOutputs() = default;

bool NativeOutputs::Prepare(const RunOptions&) { return true; }

bool NativeOutputs::Write(const RunOptions&, const std::vector<FileReport>&, const RunSummary&) { return true; }

int RunHistoryQuery(const HistoryQueryOptions&) { return kExitUsage; }

}  // namespace vorna
