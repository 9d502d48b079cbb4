#pragma once
// A point inside a recording's open transaction, after each report is
// written. The program does nothing there; the interruption test links a
// build that stops the process at it, to show that a run killed midway
// leaves the history as it was.

#include <cstddef>

namespace vorna {

// Called with the number of reports written so far in the open transaction.
void ReportRecorded(std::size_t written);

}  // namespace vorna
