#include "cli/history_output.h"

#include "cli/text_table.h"
#include "cli/version.h"
#include "numbers/shortest_float_text.h"

namespace vorna {
namespace {

using Json = nlohmann::ordered_json;

std::string ChannelsText(const TrendEntry& entry) {
  std::string text;
  for (const auto& [channel, value] : entry.Channels) {
    if (!text.empty()) text += ", ";
    text += std::to_string(channel) + ": " + ShortestFloatText(value);
    if (!entry.Unit.empty()) text += " " + entry.Unit;
  }
  return text;
}

}  // namespace

std::string TrendTable(const std::vector<BoxTrend>& trends) {
  if (trends.empty()) return "No box failed in the recorded runs.\n";
  using A = Align;
  TextTable table({A::Left, A::Right, A::Left, A::Left, A::Left, A::Left, A::Left, A::Left});
  table.Add({"Box", "Days", "First", "Last", "Date", "Test", "Channels out of specification", "File"});
  for (const BoxTrend& trend : trends) {
    bool first = true;
    for (const TrendEntry& entry : trend.Entries) {
      // Texts in the history are UTF-8 already.
      table.Add({first ? ShortestFloatText(trend.Box) : "", first ? std::to_string(trend.FailingDays) : "",
                 first ? trend.FirstDate : "", first ? trend.LastDate : "", entry.TestDate, entry.TestName,
                 ChannelsText(entry), entry.File});
      first = false;
    }
  }
  return table.Text();
}

Json TrendDocument(const std::vector<BoxTrend>& trends) {
  Json document;
  document["program"] = {{"name", kProgramName}, {"version", kProgramVersion}};
  Json boxes = Json::array();
  for (const BoxTrend& trend : trends) {
    Json failures = Json::array();
    for (const TrendEntry& entry : trend.Entries) {
      Json channels = Json::array();
      for (const auto& [channel, value] : entry.Channels) {
        channels.push_back({{"channel", channel}, {"value", static_cast<double>(value)}});
      }
      failures.push_back({{"test_date", entry.TestDate},
                          {"test_name", entry.TestName},
                          {"file", entry.File},
                          {"unit", entry.Unit},
                          {"channels", std::move(channels)}});
    }
    boxes.push_back({{"box", static_cast<double>(trend.Box)},
                     {"failing_days", trend.FailingDays},
                     {"first_failed", trend.FirstDate},
                     {"last_failed", trend.LastDate},
                     {"failures", std::move(failures)}});
  }
  document["boxes"] = std::move(boxes);
  return document;
}

}  // namespace vorna
