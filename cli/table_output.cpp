#include "cli/table_output.h"

#include "chart/histogram.h"
#include "cli/text_table.h"
#include "numbers/shortest_float_text.h"

namespace vorna {
namespace {

std::string Plural(std::size_t count, const char* one, const char* many) {
  return std::to_string(count) + " " + (count == 1 ? one : many);
}

std::string ValueWithUnit(float value, const std::string& unit) {
  std::string text = ShortestFloatText(value);
  if (!unit.empty()) text += " " + TerminalText(unit);
  return text;
}

}  // namespace

std::string RunTable(const std::vector<FileReport>& reports, const RunSummary& summary) {
  using A = Align;
  TextTable files({A::Left, A::Left, A::Left, A::Right, A::Right, A::Right, A::Left});
  files.Add({"File", "Test", "Date", "Values", "Displayed", "In spec", "Out of spec"});
  for (const FileReport& report : reports) {
    const AnalysisResult& analysis = report.Analysis;
    const std::string file = TerminalText(report.Input.Path);
    const std::string test = TerminalText(analysis.TestName);
    const std::string date = TerminalText(analysis.TestDate);
    switch (StatusOf(analysis)) {
      case FileStatus::Analysed: {
        const std::int32_t values = analysis.TotalTraces;
        const std::size_t boxes = analysis.OutOfSpecBoxes.size();
        files.Add({file, test, date, std::to_string(values),
                   ShareText(analysis.Statistics.DisplayedCount, values) + "%",
                   ShareText(analysis.Statistics.InSpecCount, values) + "%",
                   boxes == 0 ? "none" : Plural(boxes, "box", "boxes")});
        break;
      }
      case FileStatus::NotAnalysed:
      case FileStatus::UnknownType:
        files.Add({file, test, date, TerminalText(analysis.Message)});
        break;
      case FileStatus::NotAReport:
        files.Add({file, TerminalText(analysis.Message)});
        break;
      case FileStatus::Unreadable:
        files.Add({file, "cannot be read: " + TerminalText(analysis.Message)});
        break;
    }
  }
  std::string text = files.Text();

  text += "\n";
  if (summary.Boxes.empty()) {
    text += "No box out of specification.\n";
  } else {
    text += "Out of specification: " + Plural(summary.Boxes.size(), "box", "boxes") + ", " +
            Plural(FailingChannelCount(summary), "channel", "channels") + "\n";
    // One row per box and report: its failing channels side by side.
    TextTable boxes({A::Left, A::Left, A::Left, A::Left, A::Left});
    boxes.Add({"Box", "Test", "Date", "Channels out of specification", "File"});
    for (const BoxReportRow& row : BoxReportRows(summary)) {
      const FileReport& report = reports[row.Report];
      std::string channels;
      for (const BoxFailure& failure : row.Failures) {
        if (!channels.empty()) channels += ", ";
        channels += std::to_string(failure.Channel) + ": " +
                    ValueWithUnit(failure.Value, report.Analysis.Type.UnitText);
      }
      boxes.Add({row.FirstOfBox ? ShortestFloatText(row.Box) : "", TerminalText(report.Analysis.TestName),
                 TerminalText(report.Analysis.TestDate), channels, TerminalText(report.Input.Path)});
    }
    text += boxes.Text();
  }
  return text;
}

}  // namespace vorna
