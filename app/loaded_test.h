#pragma once
// What an Open leaves behind for the other commands of the main window.

#include <string>

namespace vorna {

// Full path of the report analysed last (its ".TXT" copy after a
// line-ending conversion).
extern std::string TestFileName;
// Test name of the report loaded last; the suggested bitmap file name.
extern std::string TestName;
// The out-of-specification list of the last completed analysis.
extern std::string OutOfSpecReport;

}  // namespace vorna
