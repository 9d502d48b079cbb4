#pragma once
// What the history subcommand writes: the trend table on standard output
// and its JSON document (Schema: docs/vorna-analyse-history.schema.json).

#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "history/box_trends.h"

namespace vorna {

// One block per box: its failing days, first and last failing date, then
// one row per report with the failing channels and their values.
std::string TrendTable(const std::vector<BoxTrend>& trends);

// {"program", "boxes": [{"box", "failing_days", "first_failed", "last_failed",
// "failures": [{"test_date", "test_name", "file", "unit", "channels"}]}]}.
nlohmann::ordered_json TrendDocument(const std::vector<BoxTrend>& trends);

}  // namespace vorna
