#include "testfile/analysis.h"

#include <vector>

#include "testfile/record_pass.h"
#include "testfile/report_format.h"
#include "util/file_reader.h"

namespace vorna {

ReportHeader ReadReportHeader(std::string_view reportBytes) {
  ReportHeader header;
  header.IsReport = IsValidTestFile(reportBytes);
  if (!header.IsReport) return header;
  header.TestDate = ReadTestDate(reportBytes);
  header.TestName = ReadTestName(reportBytes);
  return header;
}

AnalysisResult AnalyseRecords(std::string_view reportBytes, const ReportHeader& header,
                              const std::string& testFileName, Settings& settings) {
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

  RecordPassResult pass = RunRecordPass(reportBytes, header.TestName, testFileName, result.Type.Limits);
  result.RecordLines = pass.RecordLines;
  result.TotalTraces = static_cast<std::int32_t>(pass.ChannelValues.size());
  result.Statistics = ComputeStatistics(pass.ChannelValues, result.Type.DisplayLow, result.Type.DisplayHigh,
                                        result.Type.Limits, settings.HistogramBars);
  result.OutOfSpecBoxes = std::move(pass.OutOfSpecBoxes);
  result.OutOfSpecReport = std::move(pass.OutOfSpecReport);
  return result;
}

AnalysisResult AnalyseReport(std::string_view reportBytes, const std::string& testFileName,
                             Settings& settings) {
  return AnalyseRecords(reportBytes, ReadReportHeader(reportBytes), testFileName, settings);
}

AnalysisResult AnalyseReportFile(const std::string& path, const std::string& testFileName,
                                 Settings& settings) {
  FileReader reader(path);
  std::string bytes;
  std::vector<char> chunk(1 << 20);
  std::int64_t got = reader.IsOpen() ? 1 : -1;
  while (got > 0) {
    got = reader.Read(chunk.data(), chunk.size());
    if (got > 0) bytes.append(chunk.data(), static_cast<std::size_t>(got));
  }
  if (got < 0) {
    AnalysisResult result;
    result.Outcome = AnalysisOutcome::Unreadable;
    result.Message = reader.Error();
    return result;
  }
  if (NeedsLineEndConversion(bytes)) ConvertLineEnds(bytes);
  return AnalyseReport(bytes, testFileName, settings);
}

}  // namespace vorna
