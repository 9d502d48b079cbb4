#include "testfile/analysis.h"

#include "testfile/record_pass.h"
#include "testfile/report_format.h"

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

}  // namespace vorna
