#include "testfile/record_pass.h"

#include <algorithm>

#include "testfile/line_reader.h"
#include "util/text_helpers.h"

namespace vorna {
namespace {

// Room for four values per line, but never more bytes than the text has:
// a text of many very short lines is left to grow as it goes.
std::size_t ExpectedValueCount(std::string_view text) {
  const std::size_t lines = static_cast<std::size_t>(std::count(text.begin(), text.end(), '\r')) + 1;
  return std::min(lines * 4, text.size() / sizeof(float) + 4);
}

}  // namespace

std::string OutOfSpecReportHeader(const std::string& testName, const std::string& testFileName) {
  return testName + "\r\nFile " + TrimBlanks(testFileName) + "\r\n";
}

RecordCollector::RecordCollector(const std::string& testName, const std::string& testFileName,
                                 const SpecLimits& limits, BoxHandOver handOver)
    : limits_(limits), handOver_(std::move(handOver)) {
  result_.OutOfSpecReport = OutOfSpecReportHeader(testName, testFileName);
}

std::optional<BoxRecord> RecordCollector::Take(std::string_view line) {
  std::optional<BoxRecord> box = ParseRecordLine(line);
  if (!box) return box;
  ++result_.RecordLines;
  if (std::optional<OutOfSpecBox> found = FindOutOfSpecChannels(*box, limits_)) {
    ++result_.OutOfSpecBoxCount;
    if (handOver_) {
      handOver_(*found);
      return box;
    }
    AppendOutOfSpecLine(*found, result_.OutOfSpecReport);
    result_.OutOfSpecFound = true;
    result_.OutOfSpecBoxes.push_back(std::move(*found));
  }
  return box;
}

RecordPassResult RunRecordPass(std::string_view reportBytes, const std::string& testName,
                               const std::string& testFileName, const SpecLimits& limits) {
  RecordCollector collector(testName, testFileName, limits);
  std::vector<float> values;
  const std::string_view text = ReadableText(reportBytes);
  values.reserve(ExpectedValueCount(text));
  LineReader reader(text);
  std::string_view line;
  while (reader.Next(line)) {
    if (const std::optional<BoxRecord> box = collector.Take(line)) {
      values.insert(values.end(), box->ChannelValue.begin(), box->ChannelValue.end());
    }
  }
  RecordPassResult result = std::move(collector.Result());
  result.ChannelValues = std::move(values);
  return result;
}

}  // namespace vorna
