#include "history/box_trends.h"

#include <algorithm>
#include <set>

namespace vorna {

std::vector<BoxTrend> BoxTrends(const std::vector<StoredFailure>& failures) {
  std::vector<BoxTrend> trends;
  std::set<std::string> days;
  const StoredFailure* previous = nullptr;
  for (const StoredFailure& failure : failures) {
    if (previous == nullptr || previous->Box != failure.Box) {
      trends.push_back({});
      trends.back().Box = failure.Box;
      days.clear();
    }
    BoxTrend& trend = trends.back();
    if (trend.Entries.empty() || previous->Hash != failure.Hash) {
      trend.Entries.push_back({failure.TestDate, failure.Day, failure.TestName, failure.File, failure.Unit, {}});
      if (!failure.Day.empty() && days.insert(failure.Day).second) {
        // Entries come by day, so the first dated one is the earliest.
        if (trend.FirstDate.empty()) trend.FirstDate = failure.TestDate;
        trend.LastDate = failure.TestDate;
        ++trend.FailingDays;
      }
    }
    trend.Entries.back().Channels.emplace_back(failure.Channel, failure.Value);
    previous = &failure;
  }
  std::stable_sort(trends.begin(), trends.end(),
                   [](const BoxTrend& a, const BoxTrend& b) { return a.FailingDays > b.FailingDays; });
  return trends;
}

}  // namespace vorna
