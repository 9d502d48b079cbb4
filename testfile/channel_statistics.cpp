#include "testfile/channel_statistics.h"

#include <algorithm>
#include <cmath>

#include "numbers/number_text.h"
#include "util/text_helpers.h"

namespace vorna {
namespace {

constexpr std::int32_t kBoxFieldWidth = 20;

double Scaled(float value, const SpecLimits& limits) {
  return static_cast<double>(value) * static_cast<double>(limits.ValueScale);
}

}  // namespace

bool IsInSpecification(float value, const SpecLimits& limits) {
  const double scaled = Scaled(value, limits);
  return limits.LimitLow <= scaled && scaled <= limits.LimitHigh;
}

std::optional<OutOfSpecBox> FindOutOfSpecChannels(const BoxRecord& box, const SpecLimits& limits) {
  std::optional<OutOfSpecBox> found;
  for (std::size_t index = 0; index < box.ChannelValue.size(); ++index) {
    const float value = box.ChannelValue[index];
    const double scaled = Scaled(value, limits);
    if (scaled < limits.LimitLow || scaled > limits.LimitHigh) {
      if (!found) found.emplace().BoxNumber = box.BoxNumber;
      found->Channels.push_back({static_cast<std::int32_t>(index + 1), value});
    }
  }
  return found;
}

void AppendOutOfSpecLine(const OutOfSpecBox& box, std::string& outOfSpecReport) {
  std::string boxField = NumberText(box.BoxNumber);
  outOfSpecReport += "\r\nBox ";
  outOfSpecReport += PadOut(boxField, kBoxFieldWidth);
  outOfSpecReport += "Channel(s) \t";
  for (const OutOfSpecChannel& channel : box.Channels) {
    outOfSpecReport += "\t ";
    outOfSpecReport += static_cast<char>('0' + channel.Channel);
  }
}

void EvaluateBox(const BoxRecord& box, const SpecLimits& limits, std::string& outOfSpecReport,
                 bool& outOfSpecFound) {
  const std::optional<OutOfSpecBox> found = FindOutOfSpecChannels(box, limits);
  if (!found) return;
  AppendOutOfSpecLine(*found, outOfSpecReport);
  outOfSpecFound = true;
}

std::int32_t CorrectedBarCount(std::int32_t& histogramBars) {
  if (histogramBars < kFewestBars || histogramBars > kMostBars) histogramBars = kStandardBars;
  return histogramBars;
}

ChannelStatistics ComputeStatistics(const std::vector<float>& channelValues, float displayLow,
                                    float displayHigh, const SpecLimits& limits,
                                    std::int32_t& histogramBars) {
  ChannelStatistics result;
  const std::int32_t bars = CorrectedBarCount(histogramBars);
  result.BarCount = bars;
  const double width = std::fabs(static_cast<double>(displayHigh) - static_cast<double>(displayLow)) / bars;
  result.BarWidth = static_cast<float>(width);
  result.BarCounts.assign(static_cast<std::size_t>(bars) + 1, 0);

  // Bar k of the counted bars covers lower[k] <= v < upper[k]. Because each
  // edge is rounded to float, neighbouring bars may overlap or leave a gap;
  // each bar counts on its own, as if every bar were counted in a pass of
  // its own. Both arrays are non-decreasing.
  std::vector<double> lower;
  std::vector<double> upper;
  float edge = displayLow;
  for (std::int32_t bar = 1; bar <= bars && !(edge > displayHigh); ++bar) {
    const double sum = static_cast<double>(edge) + static_cast<double>(result.BarWidth);
    lower.push_back(edge);
    upper.push_back(sum);
    edge = static_cast<float>(sum);
  }

  const double low = displayLow;
  const double high = displayHigh;
  for (const float value : channelValues) {
    const double v = value;
    if (low <= v && v <= high) ++result.DisplayedCount;
    if (IsInSpecification(value, limits)) ++result.InSpecCount;
    // The first bar whose upper end lies above v, then every bar after it
    // whose lower edge is not above v.
    std::size_t bar = static_cast<std::size_t>(std::upper_bound(upper.begin(), upper.end(), v) - upper.begin());
    for (; bar < lower.size() && lower[bar] <= v; ++bar) ++result.BarCounts[bar + 1];
  }
  return result;
}

}  // namespace vorna
