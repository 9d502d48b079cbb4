#include "tests/fuzz/fuzz_checks.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "numbers/number_text.h"
#include "settings/settings_file.h"
#include "settings/settings_record.h"
#include "testfile/analysis.h"
#include "testfile/channel_statistics.h"
#include "testfile/report_format.h"
#include "tests/fuzz/fuzz_input.h"
#include "util/file_access.h"

namespace vorna::fuzzing {
namespace {

constexpr std::string_view kReportName = "report.txt";

template <typename T>
T ValueFromBytes(std::string_view bytes) {
  T value{};
  std::memcpy(&value, bytes.data(), std::min(sizeof value, bytes.size()));
  return value;
}

std::size_t Occurrences(std::string_view text, std::string_view part) {
  std::size_t count = 0;
  for (std::size_t at = text.find(part); at != std::string_view::npos; at = text.find(part, at + 1)) ++count;
  return count;
}

// The whole analysis: never a crash, and counts that agree with each other.
std::string CheckAnalysis(std::string_view bytes) {
  SettingsAndReport input = SplitInput(bytes);
  const AnalysisResult result = AnalyseReport(input.report, std::string(kReportName), input.settings);
  if (result.Outcome != AnalysisOutcome::Analysed) {
    return result.Message.empty() ? "a report not analysed without a message" : "";
  }
  // Only an analysed report corrects the bar count.
  if (input.settings.HistogramBars < kFewestBars || input.settings.HistogramBars > kMostBars)
    return "bar count left outside 10..30";
  if (!result.Message.empty()) return "an analysed report with a message";
  if (result.TotalTraces != 4 * result.RecordLines) return "not four values per box";
  const ChannelStatistics& statistics = result.Statistics;
  if (statistics.BarCount < kFewestBars || statistics.BarCount > kMostBars) return "bar count outside 10..30";
  if (statistics.BarCounts.size() != static_cast<std::size_t>(statistics.BarCount) + 1) return "bar counts size";
  if (statistics.BarCounts[0] != 0) return "bar 0 counted";
  for (std::int32_t count : statistics.BarCounts) {
    if (count < 0 || count > result.TotalTraces) return "a bar count outside 0..values";
  }
  if (statistics.BarWidth < 0) return "negative bar width";  // NaN for a NaN range
  if (statistics.DisplayedCount < 0 || statistics.DisplayedCount > result.TotalTraces) return "displayed count";
  if (statistics.InSpecCount < 0 || statistics.InSpecCount > result.TotalTraces) return "in-spec count";
  if (result.OutOfSpecBoxes.size() > static_cast<std::size_t>(result.RecordLines)) return "more failing boxes than boxes";
  std::int64_t failing = 0;
  for (const OutOfSpecBox& box : result.OutOfSpecBoxes) {
    if (box.Channels.empty()) return "a failing box without a failing channel";
    std::int32_t previous = 0;
    for (const OutOfSpecChannel& channel : box.Channels) {
      if (channel.Channel <= previous || channel.Channel > 4) return "failing channels out of order";
      previous = channel.Channel;
      if (IsInSpecification(channel.Value, result.Type.Limits)) return "a failing channel in specification";
      ++failing;
    }
  }
  if (failing > result.TotalTraces - result.Statistics.InSpecCount) return "more failing channels than values out of spec";
  if (Occurrences(result.OutOfSpecReport, "\r\nBox ") != result.OutOfSpecBoxes.size())
    return "list text lines differ from the failing boxes";
  return {};
}

// Reading the report from a file gives what the whole buffer gives.
std::string CheckFileMatchesMemory(std::string_view bytes) {
  SettingsAndReport input = SplitInput(bytes);
  const std::string path = ScratchFilePath("report");
  if (!WriteWholeFile(path, std::string(input.report))) return "cannot write the scratch file";
  Settings fileSettings = input.settings;
  const AnalysisResult fromFile = AnalyseReportFile(path, std::string(kReportName), fileSettings);
  DeleteFileAt(path);
  std::string converted(input.report);
  if (NeedsLineEndConversion(converted)) ConvertLineEnds(converted);
  Settings memorySettings = input.settings;
  const AnalysisResult inMemory = AnalyseReport(converted, std::string(kReportName), memorySettings);
  const std::string difference = FirstDifference(fromFile, inMemory);
  if (!difference.empty()) return "file and memory differ in " + difference;
  if (SettingsImage(fileSettings) != SettingsImage(memorySettings)) return "file and memory leave other settings";
  return {};
}

// A settings file is its first 952 bytes, as they are, zeros after a short one.
std::string CheckSettingsFile(std::string_view bytes) {
  std::string expected(bytes.substr(0, kSettingsImageSize));
  expected.resize(kSettingsImageSize, '\0');
  if (SettingsImage(SettingsFromImage(std::string(bytes))) != expected) return "image does not read back";
  const std::string path = ScratchFilePath("settings");
  if (!WriteWholeFile(path, std::string(bytes))) return "cannot write the scratch file";
  const Settings loaded = ReadSettingsFile(path);
  DeleteFileAt(path);
  if (SettingsImage(loaded) != expected) return "the loaded file differs from its first 952 bytes";
  return {};
}

bool IsPlainNumberByte(char c) {
  return (c >= '0' && c <= '9') || c == '+' || c == '-' || c == '.' || c == 'e' || c == 'E' || c == 'd' ||
         c == 'D' || c == ' ' || c == '\t' || c == '\n';
}

bool SameDouble(double a, double b) { return std::memcmp(&a, &b, sizeof a) == 0 || (a == 0 && b == 0); }

// A decimal number read whole is the correctly rounded double (strtod's).
std::string CheckTextNumber(std::string_view bytes) {
  const double value = TextNumber(bytes);
  for (char c : bytes) {
    if (!IsPlainNumberByte(c)) return {};
  }
  std::string text(bytes);
  for (char& c : text) {
    if (c == 'd' || c == 'D') c = 'e';
  }
  char* end = nullptr;
  const double expected = std::strtod(text.c_str(), &end);
  if (end != text.c_str() + text.size() || text.empty() || text.back() == ' ' || text.back() == '\t' ||
      text.back() == '\n')
    return {};  // not one whole decimal number: the comparison needs one
  if (!SameDouble(value, expected)) return "\"" + std::string(bytes) + "\" reads differently from strtod";
  return {};
}

// Number text reads back to a value that prints the same, within half a
// unit of its last digit.
template <typename T>
std::string CheckOneNumberText(T value, int digits) {
  const std::string text = NumberText(value);
  const std::string plain = NumberTextNoBlank(value);
  if (text.empty()) return "empty number text";
  if (!std::isfinite(value)) return {};
  if ((value >= 0) != (text[0] == ' ')) return "leading blank wrong for " + text;
  if ((value >= 0 ? text.substr(1) : text) != plain) return "no-blank variant differs: " + plain;
  const double read = TextNumber(text);
  const T back = static_cast<T>(read);
  if (!std::isfinite(back)) return {};  // the largest values round to a text beyond the type's range
  if (NumberText(back) != text) return text + " does not read back";
  const long double error = std::fabs(static_cast<long double>(read) - static_cast<long double>(value));
  const long double unit = std::pow(10.0L, -digits) * 5.0001L;
  if (error > std::fabs(static_cast<long double>(value)) * unit) return text + " is not the value rounded";
  return {};
}

std::string CheckNumberText(std::string_view bytes) {
  if (bytes.size() < sizeof(float)) return {};
  std::string failure = CheckOneNumberText(ValueFromBytes<float>(bytes), 7);
  if (failure.empty() && bytes.size() >= sizeof(double)) failure = CheckOneNumberText(ValueFromBytes<double>(bytes), 15);
  return failure;
}

// A masked number has the mask's shape, lies within half a unit of its
// last place from the value, and masks to itself when read back.
std::string CheckMaskedNumber(std::string_view bytes) {
  if (bytes.size() < 1 + sizeof(double)) return {};
  const int decimals = static_cast<unsigned char>(bytes[0]) % 6 - 1;  // -1 and 5 are clamped
  const int places = std::clamp(decimals, 0, 4);
  const double value = ValueFromBytes<double>(bytes.substr(1));
  const std::string text = FormatMasked(value, decimals);
  if (!std::isfinite(value)) return text.empty() ? "empty text for a non-finite value" : "";
  std::size_t at = text[0] == '-' ? 1 : 0;
  const std::size_t point = text.find('.');
  const std::size_t integerEnd = point == std::string::npos ? text.size() : point;
  if (integerEnd <= at) return "no digit before the point: " + text;
  if (places == 0 ? point != std::string::npos : text.size() - point - 1 != static_cast<std::size_t>(places))
    return "wrong number of decimals: " + text;
  for (; at < text.size(); ++at) {
    if (at != point && (text[at] < '0' || text[at] > '9')) return "not a number: " + text;
  }
  if (text[0] == '-' && text.find_first_not_of("-0.") == std::string::npos) return "minus zero: " + text;
  if (std::fabs(value) >= 1e15) return {};  // beyond 15 digits the double itself is coarser than the mask
  const double read = TextNumber(text);
  const double halfUnit = 0.5 * std::pow(10.0, -places);
  if (std::fabs(read - value) > halfUnit * (1 + 1e-9) + std::fabs(value) * 1e-15) return text + " is not the value rounded";
  if (FormatMasked(read, decimals) != text) return text + " does not mask to itself";
  return {};
}

// A record line: never a crash, and blanks after it change nothing.
std::string CheckRecordLine(std::string_view bytes) {
  const std::optional<BoxRecord> record = ParseRecordLine(bytes);
  const std::optional<BoxRecord> padded = ParseRecordLine(std::string(bytes) + "     ");
  if (record.has_value() != padded.has_value()) return "trailing blanks change whether it is a record";
  if (record && std::memcmp(&*record, &*padded, sizeof(BoxRecord)) != 0) return "trailing blanks change the values";
  return {};
}

}  // namespace

const std::vector<FuzzTarget>& FuzzTargets() {
  static const std::vector<FuzzTarget> targets = {
      {"analysis", CheckAnalysis},
      {"file_matches_memory", CheckFileMatchesMemory},
      {"settings_file", CheckSettingsFile},
      {"text_number", CheckTextNumber},
      {"number_text", CheckNumberText},
      {"masked_number", CheckMaskedNumber},
      {"record_line", CheckRecordLine},
  };
  return targets;
}

const FuzzTarget* FindFuzzTarget(std::string_view name) {
  for (const FuzzTarget& target : FuzzTargets()) {
    if (name == target.name) return &target;
  }
  return nullptr;
}

}  // namespace vorna::fuzzing
