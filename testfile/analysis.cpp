#include "testfile/analysis.h"

#include "testfile/record_pass.h"
#include "testfile/report_format.h"
#include "util/file_reader.h"

namespace vorna {
namespace {

// The header readers fed one line at a time; it says when it knows enough.
class HeaderScanner {
 public:
  // Takes the next line; false once later lines can change nothing.
  bool Take(std::string_view line) {
    ++lines_;
    if (!header_.IsReport && lines_ <= kIdentificationLines &&
        line.find(kIdentificationText) != std::string_view::npos) {
      header_.IsReport = true;
    }
    if (!dateFound_) {
      if (std::optional<std::string> date = TestDateOfLine(line)) {
        header_.TestDate = std::move(*date);
        dateFound_ = true;
      }
    }
    if (!nameFound_) {
      if (std::optional<std::string> name = TestNameOfLine(line)) {
        header_.TestName = std::move(*name);
        nameFound_ = true;
      }
    }
    if (!header_.IsReport) return lines_ < kIdentificationLines;
    return !(dateFound_ && nameFound_);
  }

  ReportHeader Header() const { return header_.IsReport ? header_ : ReportHeader{}; }

 private:
  ReportHeader header_;
  int lines_ = 0;
  bool dateFound_ = false;
  bool nameFound_ = false;
};

ReportHeader ReadHeaderFrom(ByteSource& source, LineEnds ends, bool& failed) {
  ChunkedLineReader reader(source, ends);
  HeaderScanner scanner;
  std::string_view line;
  while (reader.Next(line) && scanner.Take(line)) {
  }
  failed = reader.Failed();
  return scanner.Header();
}

AnalysisResult Unreadable(std::string reason) {
  AnalysisResult result;
  result.Outcome = AnalysisOutcome::Unreadable;
  result.Message = std::move(reason);
  return result;
}

// AnalyseRecords over any source; `failed` when a read failed midway.
AnalysisResult AnalyseRecordsFrom(ByteSource& source, LineEnds ends, const ReportHeader& header,
                                  const std::string& testFileName, Settings& settings,
                                  const AnalysisOptions& options, bool& failed) {
  failed = false;
  AnalysisResult result;
  result.TestName = header.TestName;
  result.TestDate = header.TestDate;
  if (!header.IsReport) {
    result.Message = std::string(kNotAReportMessage);
    return result;
  }
  TestTypeChoice type = LookUpTestType(header.TestName, settings);
  if (!type.Analysed) {
    result.Outcome = type.Recognised ? AnalysisOutcome::RefusedType : AnalysisOutcome::UnknownType;
    result.Message = std::move(type.Message);
    return result;
  }
  result.Outcome = AnalysisOutcome::Analysed;
  result.Type = std::move(type.Values);

  // The range, limits and bar count are known before the first record, so
  // the bars are counted as the values pass and no value is kept.
  StatisticsCounter counter(result.Type.DisplayLow, result.Type.DisplayHigh, result.Type.Limits,
                            settings.HistogramBars);
  RecordCollector collector(header.TestName, testFileName, result.Type.Limits, options.OnOutOfSpecBox);
  ChunkedLineReader reader(source, ends);
  std::string_view line;
  while (reader.Next(line)) {
    if (const std::optional<BoxRecord> box = collector.Take(line)) {
      for (const float value : box->ChannelValue) counter.Add(value);
    }
  }
  failed = reader.Failed();
  RecordPassResult& pass = collector.Result();
  result.RecordLines = pass.RecordLines;
  result.TotalTraces = pass.RecordLines * 4;
  result.Statistics = counter.Statistics();
  result.OutOfSpecBoxCount = pass.OutOfSpecBoxCount;
  result.OutOfSpecBoxes = std::move(pass.OutOfSpecBoxes);
  result.OutOfSpecReport = std::move(pass.OutOfSpecReport);
  return result;
}

}  // namespace

ReportHeader ReadReportHeader(std::string_view reportBytes) {
  MemorySource source(reportBytes);
  bool failed = false;
  return ReadHeaderFrom(source, LineEnds::CarriageReturn, failed);
}

AnalysisResult AnalyseRecords(std::string_view reportBytes, const ReportHeader& header,
                              const std::string& testFileName, Settings& settings) {
  MemorySource source(reportBytes);
  bool failed = false;
  return AnalyseRecordsFrom(source, LineEnds::CarriageReturn, header, testFileName, settings, {}, failed);
}

AnalysisResult AnalyseReport(std::string_view reportBytes, const std::string& testFileName,
                             Settings& settings) {
  return AnalyseRecords(reportBytes, ReadReportHeader(reportBytes), testFileName, settings);
}

LineEnds LineEndsOfFile(const std::string& path, std::string& error) {
  FileReader file(path);
  bool failed = !file.IsOpen();
  const bool alone = !failed && SourceNeedsLineEndConversion(file, failed);
  error = failed ? file.Error() : std::string();
  return alone ? LineEnds::LineFeedsAlone : LineEnds::CarriageReturn;
}

ReportHeader ReadReportHeaderFile(const std::string& path, LineEnds ends, std::string& error) {
  FileReader file(path);
  bool failed = !file.IsOpen();
  ReportHeader header;
  if (!failed) header = ReadHeaderFrom(file, ends, failed);
  error = failed ? file.Error() : std::string();
  return header;
}

AnalysisResult AnalyseRecordsFile(const std::string& path, LineEnds ends, const ReportHeader& header,
                                  const std::string& testFileName, Settings& settings,
                                  const AnalysisOptions& options) {
  FileReader file(path);
  bool failed = false;
  AnalysisResult result = AnalyseRecordsFrom(file, ends, header, testFileName, settings, options, failed);
  return failed ? Unreadable(file.Error()) : result;
}

AnalysisResult AnalyseReportFile(const std::string& path, const std::string& testFileName,
                                 Settings& settings, const AnalysisOptions& options) {
  std::string error;
  const LineEnds ends = LineEndsOfFile(path, error);
  if (!error.empty()) return Unreadable(error);
  const ReportHeader header = ReadReportHeaderFile(path, ends, error);
  if (!error.empty()) return Unreadable(error);
  return AnalyseRecordsFile(path, ends, header, testFileName, settings, options);
}

}  // namespace vorna
