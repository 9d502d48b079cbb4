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

RecordPassResult RunRecordPass(std::string_view reportBytes, const std::string& testName,
                               const std::string& testFileName, const SpecLimits& limits) {
  RecordPassResult result;
  result.OutOfSpecReport = OutOfSpecReportHeader(testName, testFileName);
  const std::string_view text = ReadableText(reportBytes);
  result.ChannelValues.reserve(ExpectedValueCount(text));
  LineReader reader(text);
  std::string_view line;
  while (reader.Next(line)) {
    const std::optional<BoxRecord> box = ParseRecordLine(line);
    if (!box) continue;
    ++result.RecordLines;
    if (std::optional<OutOfSpecBox> found = FindOutOfSpecChannels(*box, limits)) {
      AppendOutOfSpecLine(*found, result.OutOfSpecReport);
      result.OutOfSpecFound = true;
      result.OutOfSpecBoxes.push_back(std::move(*found));
    }
    result.ChannelValues.insert(result.ChannelValues.end(), box->ChannelValue.begin(), box->ChannelValue.end());
  }
  return result;
}

}  // namespace vorna
