#include "tests/fuzz/fuzz_input.h"

#include <cstdint>
#include <cstring>
#include <filesystem>
#include <random>

namespace vorna::fuzzing {
namespace {

constexpr unsigned char kSettingsMark = 0xFF;
constexpr std::size_t kSettingsBytes = 20;

std::uint32_t LittleEndian32(std::string_view bytes, std::size_t at) {
  std::uint32_t value = 0;
  for (int i = 3; i >= 0; --i) value = (value << 8) | static_cast<unsigned char>(bytes[at + i]);
  return value;
}

float FloatBits(std::uint32_t bits) {
  float value;
  std::memcpy(&value, &bits, sizeof value);
  return value;
}

bool EndsWith(std::string_view text, std::string_view end) {
  return text.size() >= end.size() && text.substr(text.size() - end.size()) == end;
}

bool SameFloat(float a, float b) { return std::memcmp(&a, &b, sizeof a) == 0; }

}  // namespace

SettingsAndReport SplitInput(std::string_view bytes) {
  SettingsAndReport split{DefaultSettings(), bytes};
  if (bytes.empty() || static_cast<unsigned char>(bytes[0]) != kSettingsMark) return split;
  if (bytes.size() < 1 + kSettingsBytes) return split;
  split.settings.HistogramBars = static_cast<std::int32_t>(LittleEndian32(bytes, 1));
  const float displayLow = FloatBits(LittleEndian32(bytes, 5));
  const float displayHigh = FloatBits(LittleEndian32(bytes, 9));
  const float limitLow = FloatBits(LittleEndian32(bytes, 13));
  const float limitHigh = FloatBits(LittleEndian32(bytes, 17));
  for (const SettingsField& field : SettingsFieldTable()) {
    if (field.kind != FieldKind::Float) continue;
    const std::string_view name = field.name;
    float& value = split.settings.*field.number;
    if (EndsWith(name, "DisplayLow")) value = displayLow;
    else if (EndsWith(name, "DisplayHigh")) value = displayHigh;
    else if (EndsWith(name, "LimitLow")) value = limitLow;
    else if (EndsWith(name, "LimitHigh") || EndsWith(name, "Limit")) value = limitHigh;
  }
  split.report = bytes.substr(1 + kSettingsBytes);
  return split;
}

std::string FirstDifference(const AnalysisResult& a, const AnalysisResult& b) {
  if (a.Outcome != b.Outcome) return "outcome";
  if (a.Message != b.Message) return "message: \"" + a.Message + "\" against \"" + b.Message + "\"";
  if (a.TestName != b.TestName) return "test name";
  if (a.TestDate != b.TestDate) return "test date";
  if (a.Type.UnitText != b.Type.UnitText) return "unit";
  if (!SameFloat(a.Type.DisplayLow, b.Type.DisplayLow) || !SameFloat(a.Type.DisplayHigh, b.Type.DisplayHigh))
    return "display range";
  if (!SameFloat(a.Type.Limits.LimitLow, b.Type.Limits.LimitLow) ||
      !SameFloat(a.Type.Limits.LimitHigh, b.Type.Limits.LimitHigh) ||
      !SameFloat(a.Type.Limits.ValueScale, b.Type.Limits.ValueScale))
    return "limits";
  if (a.RecordLines != b.RecordLines) return "record lines";
  if (a.TotalTraces != b.TotalTraces) return "total traces";
  if (a.Statistics.BarCount != b.Statistics.BarCount) return "bar count";
  if (!SameFloat(a.Statistics.BarWidth, b.Statistics.BarWidth)) return "bar width";
  if (a.Statistics.BarCounts != b.Statistics.BarCounts) return "bar counts";
  if (a.Statistics.DisplayedCount != b.Statistics.DisplayedCount) return "displayed count";
  if (a.Statistics.InSpecCount != b.Statistics.InSpecCount) return "in-spec count";
  if (a.OutOfSpecBoxes.size() != b.OutOfSpecBoxes.size()) return "number of out-of-spec boxes";
  for (std::size_t i = 0; i < a.OutOfSpecBoxes.size(); ++i) {
    const OutOfSpecBox& x = a.OutOfSpecBoxes[i];
    const OutOfSpecBox& y = b.OutOfSpecBoxes[i];
    if (!SameFloat(x.BoxNumber, y.BoxNumber) || x.Channels.size() != y.Channels.size())
      return "out-of-spec box " + std::to_string(i);
    for (std::size_t c = 0; c < x.Channels.size(); ++c) {
      if (x.Channels[c].Channel != y.Channels[c].Channel || !SameFloat(x.Channels[c].Value, y.Channels[c].Value))
        return "out-of-spec channel of box " + std::to_string(i);
    }
  }
  if (a.OutOfSpecReport != b.OutOfSpecReport) return "out-of-spec list text";
  return {};
}

std::string ScratchFilePath(const std::string& purpose) {
  static const std::string suffix = std::to_string(std::random_device{}());
  return (std::filesystem::temp_directory_path() / ("vorna-fuzz-" + purpose + "-" + suffix)).string();
}

}  // namespace vorna::fuzzing
