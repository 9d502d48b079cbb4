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

StatisticsCounter::StatisticsCounter(float displayLow, float displayHigh, const SpecLimits& limits,
                                     std::int32_t& histogramBars)
    : low_(displayLow),
      high_(displayHigh),
      limits_(limits) {
  const std::int32_t bars = CorrectedBarCount(histogramBars);
  statistics_.BarCount = bars;
  const double width = std::fabs(static_cast<double>(displayHigh) - static_cast<double>(displayLow)) / bars;
  statistics_.BarWidth = static_cast<float>(width);
  statistics_.BarCounts.assign(static_cast<std::size_t>(bars) + 1, 0);

  float edge = displayLow;
  for (std::int32_t bar = 1; bar <= bars && !(edge > displayHigh); ++bar) {
    lower_.push_back(edge);
    const double sum = static_cast<double>(edge) + static_cast<double>(statistics_.BarWidth);
    lastUpper_ = sum;
    edge = static_cast<float>(sum);
  }
  // Edges from a finite start and a finite width never decrease; with an
  // infinite or NaN one the bars are checked one by one.
  ordered_ = !lower_.empty() && std::isfinite(lower_.front()) && std::isfinite(lower_.back()) &&
             std::isfinite(lastUpper_);
  for (std::size_t bar = 1; ordered_ && bar < lower_.size(); ++bar) {
    ordered_ = lower_[bar - 1] <= lower_[bar];
  }
  const double inverse = 1.0 / static_cast<double>(statistics_.BarWidth);
  inverseWidth_ = std::isfinite(inverse) ? inverse : 0.0;
}

void StatisticsCounter::AddToUnorderedBars(double v) {
  for (std::size_t bar = 0; bar < lower_.size(); ++bar) {
    const double upper = bar + 1 < lower_.size() ? lower_[bar + 1] : lastUpper_;
    if (lower_[bar] <= v && v < upper) {
      ++statistics_.BarCounts[bar + 1];
      return;
    }
  }
}

ChannelStatistics ComputeStatistics(const std::vector<float>& channelValues, float displayLow,
                                    float displayHigh, const SpecLimits& limits,
                                    std::int32_t& histogramBars) {
  StatisticsCounter counter(displayLow, displayHigh, limits, histogramBars);
  for (const float value : channelValues) counter.Add(value);
  return counter.Statistics();
}

}  // namespace vorna
