#include "cli/table_output.h"

#include <algorithm>

#include "chart/histogram.h"
#include "numbers/shortest_float_text.h"
#include "util/utf8_text.h"

namespace vorna {
namespace {

// Texts of the terminal: UTF-8 here; the Windows console shows the
// system's ANSI bytes as they are.
std::string TerminalText(const std::string& text) {
#ifdef _WIN32
  return text;
#else
  return TextAsUtf8(text);
#endif
}

// Characters on the screen: UTF-8 continuation bytes take no column.
std::size_t Columns(const std::string& text) {
  std::size_t columns = 0;
#ifdef _WIN32
  columns = text.size();
#else
  for (const char c : text) columns += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
#endif
  return columns;
}

enum class Align { Left, Right };

// Rows of cells laid out in columns two blanks apart; a row with fewer
// cells than columns ends early, and its last cell may run past its column.
class Table {
 public:
  explicit Table(std::vector<Align> aligns) : aligns_(std::move(aligns)) {}
  void Add(std::vector<std::string> cells) { rows_.push_back(std::move(cells)); }

  std::string Text() const {
    std::vector<std::size_t> widths(aligns_.size(), 0);
    for (const auto& row : rows_) {
      for (std::size_t c = 0; c < row.size(); ++c) {
        const bool spans = row.size() < aligns_.size() && c + 1 == row.size();
        if (!spans) widths[c] = std::max(widths[c], Columns(row[c]));
      }
    }
    std::string text;
    for (const auto& row : rows_) {
      std::string line;
      for (std::size_t c = 0; c < row.size(); ++c) {
        const bool last = c + 1 == row.size();
        const std::size_t pad = widths[c] > Columns(row[c]) ? widths[c] - Columns(row[c]) : 0;
        if (c > 0) line += "  ";
        if (aligns_[c] == Align::Right) line.append(pad, ' ');
        line += row[c];
        if (aligns_[c] == Align::Left && !last) line.append(pad, ' ');
      }
      while (!line.empty() && line.back() == ' ') line.pop_back();
      text += line + "\n";
    }
    return text;
  }

 private:
  std::vector<Align> aligns_;
  std::vector<std::vector<std::string>> rows_;
};

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
  Table files({A::Left, A::Left, A::Left, A::Right, A::Right, A::Right, A::Left});
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
    std::size_t channels = 0;
    for (const FailingBox& box : summary.Boxes) channels += box.Failures.size();
    text += "Out of specification: " + Plural(summary.Boxes.size(), "box", "boxes") + ", " +
            Plural(channels, "channel", "channels") + "\n";
    // One row per box and report: its failing channels side by side.
    Table boxes({A::Left, A::Left, A::Left, A::Left, A::Left});
    boxes.Add({"Box", "Test", "Date", "Channels out of specification", "File"});
    for (const FailingBox& box : summary.Boxes) {
      bool first = true;
      for (std::size_t f = 0; f < box.Failures.size();) {
        const FileReport& report = reports[box.Failures[f].Report];
        std::string channels;
        for (; f < box.Failures.size() && &reports[box.Failures[f].Report] == &report; ++f) {
          if (!channels.empty()) channels += ", ";
          channels += std::to_string(box.Failures[f].Channel) + ": " +
                      ValueWithUnit(box.Failures[f].Value, report.Analysis.Type.UnitText);
        }
        boxes.Add({first ? ShortestFloatText(box.Box) : "", TerminalText(report.Analysis.TestName),
                   TerminalText(report.Analysis.TestDate), channels, TerminalText(report.Input.Path)});
        first = false;
      }
    }
    text += boxes.Text();
  }
  return text;
}

}  // namespace vorna
