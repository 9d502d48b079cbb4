#include "testfile/report_format.h"

#include <algorithm>

#include "testfile/line_reader.h"
#include "numbers/number_text.h"
#include "util/text_helpers.h"

namespace vorna {
namespace {

std::string_view SkipLeadingBlanks(std::string_view text) {
  const std::size_t first = text.find_first_not_of(' ');
  return first == std::string_view::npos ? std::string_view() : text.substr(first);
}

std::string_view TrimmedView(std::string_view text) {
  text = SkipLeadingBlanks(text);
  return text.substr(0, text.find_last_not_of(' ') + 1);
}

// Characters `first` (counted from 1) to `first + count - 1`, as far as the
// text reaches.
std::string_view Middle(std::string_view text, std::size_t first, std::size_t count) {
  if (first > text.size()) return {};
  return text.substr(first - 1, count);
}

std::string_view LastCharacters(std::string_view text, std::size_t count) {
  return text.substr(text.size() - std::min(count, text.size()));
}

float FieldValue(std::string_view field) { return static_cast<float>(TextNumber(field)); }

}  // namespace

bool NeedsLineEndConversion(std::string_view bytes) {
  return bytes.find_first_of(std::string_view("\r\x1A", 2)) == std::string_view::npos;
}

void ConvertLineEnds(std::string& bytes) {
  const std::size_t lineFeeds = static_cast<std::size_t>(std::count(bytes.begin(), bytes.end(), '\n'));
  std::string converted;
  converted.reserve(bytes.size() + lineFeeds + 2);
  const std::string_view text(bytes);
  std::size_t start = 0;
  for (std::size_t feed; (feed = text.find('\n', start)) != std::string_view::npos; start = feed + 1) {
    converted.append(text.substr(start, feed - start));
    converted.append("\r\n");
  }
  converted.append(text.substr(start));
  converted.append("\r\n");
  bytes.swap(converted);
}

bool IsValidTestFile(std::string_view bytes) {
  LineReader reader(bytes);
  std::string_view line;
  for (int count = 0; count < kIdentificationLines && reader.Next(line); ++count) {
    if (line.find(kIdentificationText) != std::string_view::npos) return true;
  }
  return false;
}

std::optional<std::string> TestDateOfLine(std::string_view line) {
  const std::size_t label = line.find(kDateLabel);
  if (label == std::string_view::npos) return std::nullopt;
  const std::string_view text = TrimmedView(line.substr(label + kDateLabel.size()));
  const std::string month = TrimBlanks(Middle(text, 1, 2));
  const std::string day = TrimBlanks(Middle(text, 4, 2));
  const std::string year = TrimBlanks(LastCharacters(text, 4));
  return day + "-" + month + "-" + year;
}

std::optional<std::string> TestNameOfLine(std::string_view line) {
  if (line.find(kTestNameMark) == std::string_view::npos) return std::nullopt;
  const std::size_t label = line.find(kTestNameLabel);
  if (label == std::string_view::npos) return std::string();
  const std::string_view name = TrimmedView(line.substr(label + kTestNameLabel.size()));
  return std::string(name.substr(0, name.find("     ")));
}

std::string ReadTestDate(std::string_view bytes) {
  LineReader reader(bytes);
  std::string_view line;
  while (reader.Next(line)) {
    if (std::optional<std::string> date = TestDateOfLine(line)) return std::move(*date);
  }
  return {};
}

std::string ReadTestName(std::string_view bytes) {
  LineReader reader(bytes);
  std::string_view line;
  while (reader.Next(line)) {
    if (std::optional<std::string> name = TestNameOfLine(line)) return std::move(*name);
  }
  return {};
}

std::optional<BoxRecord> ParseRecordLine(std::string_view line) {
  if (!(TextNumber(line.substr(0, 4)) > 0)) return std::nullopt;
  // The trimmed line starts with field 0; each round moves past the next
  // blank and the blanks after it, and the field runs to the blank after.
  // One walk over the line: this runs for every line of a report.
  const std::string_view rest = TrimmedView(line);
  const char* position = rest.data();
  const char* const end = rest.data() + rest.size();
  std::array<std::string_view, 5> fields;
  for (std::string_view& field : fields) {
    while (position != end && *position != ' ') ++position;
    while (position != end && *position == ' ') ++position;
    const char* const start = position;
    while (position != end && *position != ' ') ++position;
    field = std::string_view(start, static_cast<std::size_t>(position - start));
  }
  BoxRecord record;
  record.BoxNumber = FieldValue(fields[0]);
  for (std::size_t channel = 0; channel < record.ChannelValue.size(); ++channel) {
    record.ChannelValue[channel] = FieldValue(fields[channel + 1]);
  }
  return record;
}

}  // namespace vorna
