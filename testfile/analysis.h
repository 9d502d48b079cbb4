#pragma once
// The analysis of one report, shared by every front end: identification,
// date and test name, the test type's values, the record pass and the
// channel statistics. It reads the report's bytes and the settings and
// returns plain records; it shows nothing and writes no file.
//
// It comes in two calls so that a front end can act between reading the
// header and looking up the test type (the window copies its limit boxes
// into the settings there). AnalyseReport strings both together.

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "settings/settings_record.h"
#include "testfile/channel_statistics.h"
#include "testfile/chunked_line_reader.h"
#include "testfile/test_types.h"

namespace vorna {

inline constexpr std::string_view kNotAReportMessage = "Not a valid VORNA Test File";

// What the header lines of a report say.
struct ReportHeader {
  bool IsReport = false;  // the identification line is among the first 10 lines
  std::string TestDate;   // "DD-MM-YYYY", or empty
  std::string TestName;   // or empty
};

// Reads identification, date and test name from the report's bytes (the
// line ends already converted, see prepared_report.h).
ReportHeader ReadReportHeader(std::string_view reportBytes);

enum class AnalysisOutcome {
  NotAReport,   // no identification line: message kNotAReportMessage
  RefusedType,  // a recognised test that is not analysed: its message
  UnknownType,  // "Unknown Test type " + name
  Analysed,
  Unreadable,   // the file could not be opened or read: the system's reason
};

struct AnalysisResult {
  AnalysisOutcome Outcome = AnalysisOutcome::NotAReport;
  std::string Message;  // the text of the window's message box; empty when analysed
  std::string TestName;
  std::string TestDate;
  // The rest is filled for an analysed report only.
  TestTypeValues Type;                  // unit, display range, limits, value scale
  std::int32_t RecordLines = 0;         // boxes read
  std::int32_t TotalTraces = 0;         // channel values read: four per box
  ChannelStatistics Statistics;         // bar count and width, bar counts, totals
  std::vector<OutOfSpecBox> OutOfSpecBoxes;  // in file order
  std::string OutOfSpecReport;          // the list text: header and one line per box
  std::int32_t OutOfSpecBoxCount = 0;   // boxes out of specification, kept or handed over
  bool OutOfSpecFound() const { return OutOfSpecBoxCount > 0 || !OutOfSpecBoxes.empty(); }
};

// What a front end may ask of an analysis of a report on disk.
struct AnalysisOptions {
  // When set, each box out of specification is handed over here in file
  // order as it is found, and neither OutOfSpecBoxes nor the list's box
  // lines are kept: memory then does not grow with the report at all.
  std::function<void(const OutOfSpecBox&)> OnOutOfSpecBox;
};

// Looks the header's test name up in `settings` and, for an analysed type,
// runs the record pass and the statistics over `reportBytes`. The list
// names `testFileName` in its "File " line. A bar count outside 10..30 in
// `settings` is corrected to 20 there.
AnalysisResult AnalyseRecords(std::string_view reportBytes, const ReportHeader& header,
                              const std::string& testFileName, Settings& settings);

// ReadReportHeader, then AnalyseRecords.
AnalysisResult AnalyseReport(std::string_view reportBytes, const std::string& testFileName,
                             Settings& settings);

// Reports on disk are read in fixed-size chunks (chunked_line_reader.h):
// memory does not grow with the report, and the results equal those of
// the calls above over the whole file's bytes, converted as
// prepared_report.h says.

// How the lines of the report at `path` are to be read: LineFeedsAlone when
// it holds no CR and no 0x1A (found by reading up to the first of them).
// `error` gets the system's reason when the file cannot be opened or read,
// and stays empty otherwise.
LineEnds LineEndsOfFile(const std::string& path, std::string& error);

// ReadReportHeader over the report at `path` read with `ends`. Reads only
// as far as it must: the first 10 lines of a file without identification,
// else up to the first date line and the first test name line. `error` as
// for LineEndsOfFile.
ReportHeader ReadReportHeaderFile(const std::string& path, LineEnds ends, std::string& error);

// AnalyseRecords over the report at `path` read with `ends`, in one pass:
// the bars and totals are counted as the values pass. A read that fails
// gives Unreadable with the system's reason.
AnalysisResult AnalyseRecordsFile(const std::string& path, LineEnds ends, const ReportHeader& header,
                                  const std::string& testFileName, Settings& settings,
                                  const AnalysisOptions& options = {});

// Reads the report at `path` and analyses it (the three calls above),
// naming `testFileName` in the list. A report whose lines end in line feeds
// alone is converted as it is read; nothing is written anywhere. A file
// that cannot be opened or read gives Unreadable with the system's reason
// as the message.
AnalysisResult AnalyseReportFile(const std::string& path, const std::string& testFileName,
                                 Settings& settings, const AnalysisOptions& options = {});

}  // namespace vorna
