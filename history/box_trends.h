#pragma once
// A box's failures across days: what the history command shows.

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "history/history_store.h"

namespace vorna {

// The failing channels of one box in one report.
struct TrendEntry {
  std::string TestDate, Day, TestName, File, Unit;
  std::vector<std::pair<std::int32_t, float>> Channels;  // channel, value
};

struct BoxTrend {
  float Box = 0;
  int FailingDays = 0;   // distinct dates; an undated report adds none
  std::string FirstDate; // "DD-MM-YYYY" of the earliest and latest failing day, empty when none
  std::string LastDate;
  std::vector<TrendEntry> Entries;  // by day, test name, file
};

// Groups `failures` (in the order HistoryStore::Failures gives) by box and
// report; the boxes with the most failing days first, then by box number.
std::vector<BoxTrend> BoxTrends(const std::vector<StoredFailure>& failures);

}  // namespace vorna
