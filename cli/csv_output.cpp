#include "cli/csv_output.h"

#include <cmath>

#include "numbers/shortest_float_text.h"
#include "testfile/bar_ranges.h"
#include "util/utf8_text.h"

namespace vorna {
namespace {

// A row from its fields, already in CSV form.
class Row {
 public:
  Row& Text(std::string_view text) { return Raw(CsvField(TextAsUtf8(text))); }
  Row& Number(float value) { return Raw(ShortestFloatText(value)); }
  Row& Count(long long value) { return Raw(std::to_string(value)); }
  Row& Empty() { return Raw(""); }
  Row& Raw(const std::string& field) {
    if (!first_) text_ += ',';
    first_ = false;
    text_ += field;
    return *this;
  }
  void EndInto(std::string& file) {
    file += text_;
    file += "\r\n";
  }

 private:
  std::string text_;
  bool first_ = true;
};

void HeaderInto(std::string& file, std::initializer_list<const char*> names) {
  Row row;
  for (const char* name : names) row.Raw(name);
  row.EndInto(file);
}

std::string ReportsCsv(const std::vector<FileReport>& reports) {
  std::string file;
  HeaderInto(file, {"file", "status", "message", "test_name", "test_date", "unit", "limit_low", "limit_high",
                    "value_scale", "display_low", "display_high", "box_count", "values", "displayed", "in_spec",
                    "out_of_spec_boxes"});
  for (const FileReport& report : reports) {
    const AnalysisResult& analysis = report.Analysis;
    Row row;
    row.Text(report.Input.Path).Raw(StatusName(StatusOf(analysis))).Text(analysis.Message);
    row.Text(analysis.TestName).Text(analysis.TestDate).Text(analysis.Type.UnitText);
    if (analysis.Outcome == AnalysisOutcome::Analysed) {
      const TestTypeValues& type = analysis.Type;
      row.Number(type.Limits.LimitLow).Number(type.Limits.LimitHigh).Number(type.Limits.ValueScale);
      row.Number(type.DisplayLow).Number(type.DisplayHigh);
      row.Count(analysis.RecordLines).Count(analysis.TotalTraces);
      row.Count(analysis.Statistics.DisplayedCount).Count(analysis.Statistics.InSpecCount);
      row.Count(static_cast<long long>(analysis.OutOfSpecBoxes.size()));
    } else {
      for (int field = 0; field < 10; ++field) row.Empty();
    }
    row.EndInto(file);
  }
  return file;
}

std::string FailuresCsv(const std::vector<FileReport>& reports) {
  std::string file;
  HeaderInto(file, {"file", "test_name", "test_date", "box", "channel", "value", "unit", "limit_low", "limit_high"});
  for (const FileReport& report : reports) {
    const AnalysisResult& analysis = report.Analysis;
    for (const OutOfSpecBox& box : analysis.OutOfSpecBoxes) {
      for (const OutOfSpecChannel& channel : box.Channels) {
        Row row;
        row.Text(report.Input.Path).Text(analysis.TestName).Text(analysis.TestDate);
        row.Number(box.BoxNumber).Count(channel.Channel).Number(channel.Value);
        row.Text(analysis.Type.UnitText).Number(analysis.Type.Limits.LimitLow).Number(analysis.Type.Limits.LimitHigh);
        row.EndInto(file);
      }
    }
  }
  return file;
}

std::string BarsCsv(const std::vector<FileReport>& reports) {
  std::string file;
  HeaderInto(file, {"file", "bar", "low", "high", "count"});
  for (const FileReport& report : reports) {
    const std::vector<BarRange> ranges = BarRangesOf(report.Analysis);
    for (std::size_t bar = 0; bar < ranges.size(); ++bar) {
      Row row;
      row.Text(report.Input.Path).Count(static_cast<long long>(bar + 1));
      row.Number(ranges[bar].Low).Number(ranges[bar].High).Count(report.Analysis.Statistics.BarCounts[bar + 1]);
      row.EndInto(file);
    }
  }
  return file;
}

}  // namespace

std::string CsvField(std::string_view text) {
  if (text.find_first_of(",\"\r\n") == std::string_view::npos) return std::string(text);
  std::string quoted = "\"";
  for (const char c : text) {
    if (c == '"') quoted += '"';
    quoted += c;
  }
  quoted += '"';
  return quoted;
}

std::vector<CsvFile> RunCsvFiles(const std::vector<FileReport>& reports) {
  return {{"reports.csv", ReportsCsv(reports)}, {"failures.csv", FailuresCsv(reports)}, {"bars.csv", BarsCsv(reports)}};
}

}  // namespace vorna
