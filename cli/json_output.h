#pragma once
// The JSON document of a run (its Schema is docs/vorna-analyse.schema.json)
// and its text, with every float as the shortest text that reads back to
// the same single-precision value.

#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "cli/file_report.h"
#include "cli/run_summary.h"

namespace vorna {

// {"program", "reports", "boxes", "summary"} for the run. Texts are UTF-8
// (see TextAsUtf8); the numbers of a report that was not analysed are null.
nlohmann::ordered_json RunDocument(const std::vector<FileReport>& reports, const RunSummary& summary);

// `document` as indented text ending in a line feed. A floating-point
// number is written as ShortestFloatText of its single-precision value;
// one that is not finite as null.
std::string JsonText(const nlohmann::ordered_json& document);

}  // namespace vorna
