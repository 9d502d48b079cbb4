#pragma once
// Reading a test report held in memory: line-end conversion, identification,
// the date and test name header lines, and the per-box record lines. Every
// reader works on the bytes of the report as read from disk (see
// prepared_report.h) with the line rule of line_reader.h; none of them
// fails or reports anything.

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace vorna {

inline constexpr std::string_view kIdentificationText = "V.ORNA-4 SYSTEM TEST";
inline constexpr std::string_view kDateLabel = "M/D/Y : ";
inline constexpr std::string_view kTestNameMark = "TEST Name ";
inline constexpr std::string_view kTestNameLabel = "TEST Name : ";
// Number of lines at the start of a report that may hold the identification.
inline constexpr int kIdentificationLines = 10;

// True when the first line of `bytes` is as long as the whole buffer: no
// carriage return and no 0x1A anywhere (lines ending in line feeds alone,
// which the line rule would read as one line). True for an empty buffer.
bool NeedsLineEndConversion(std::string_view bytes);

// Replaces every line feed of `bytes` by carriage return + line feed and
// appends one carriage return + line feed. Linear; while it runs the text
// is held twice.
void ConvertLineEnds(std::string& bytes);

// True when one of the first 10 lines contains "V.ORNA-4 SYSTEM TEST"
// (byte-exact, case-sensitive).
bool IsValidTestFile(std::string_view bytes);

// The test date "DD-MM-YYYY" from the first line containing "M/D/Y : ":
// the text after that label, trimmed, read at fixed positions (characters
// 1-2 month, 4-5 day, the last four the year, each trimmed). Empty text
// when no line holds the label.
std::string ReadTestDate(std::string_view bytes);

// The test name from the first line containing "TEST Name ": the text after
// "TEST Name : ", trimmed, cut before its first run of five blanks. Empty
// text when that line lacks "TEST Name : " or no line holds the mark.
std::string ReadTestName(std::string_view bytes);

// One line's part in the two readers above: the date of a line holding
// "M/D/Y : ", the name of a line holding "TEST Name " (empty when it lacks
// "TEST Name : "); nothing for any other line.
std::optional<std::string> TestDateOfLine(std::string_view line);
std::optional<std::string> TestNameOfLine(std::string_view line);

// One field box of a record line. ChannelValue[0] is channel 1.
struct BoxRecord {
  float BoxNumber = 0;
  std::array<float, 4> ChannelValue{};
};

// A record when the first four characters of `line`, read as a number, give
// a value above 0: fields 1 to 5 (separated by runs of blanks; tabs do not
// separate) are the box number and the four channel values, read by the
// text-number rule and rounded to float; a missing field reads as 0.
// Nothing for any other line. Linear in the line's length.
std::optional<BoxRecord> ParseRecordLine(std::string_view line);

}  // namespace vorna
