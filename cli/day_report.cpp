#include "cli/day_report.h"

#include <set>

#include "chart/histogram.h"
#include "cli/version.h"
#include "numbers/shortest_float_text.h"
#include "util/test_date.h"
#include "util/utf8_text.h"

namespace vorna {
namespace {

// Screen: one column of sections. Print: A4 portrait for the tables, each
// chart on a landscape page of its own.
constexpr const char* kStyle = R"(
body { font-family: "Liberation Sans", Arial, sans-serif; font-size: 10pt; color: #000; margin: 16px; }
h1 { font-size: 16pt; margin: 0 0 4px 0; }
h2 { font-size: 12pt; margin: 18px 0 6px 0; }
p.summary { margin: 0 0 12px 0; }
table { border-collapse: collapse; }
th, td { border: 1px solid #999; padding: 2px 6px; text-align: left; vertical-align: top; }
th { background: #e8e8e8; }
td.number { text-align: right; }
td.number, td.date { white-space: nowrap; }
tr.out_of_spec td.status { background: #ffd0d0; }
tr.in_spec td.status { background: #d0f0d0; }
tr.problem td.status { background: #ffe8a0; }
tr.not_analysed td.status { background: #eeeeee; }
figure.chart { margin: 18px 0; }
figure.chart figcaption { font-weight: bold; margin-bottom: 4px; }
figure.chart svg { display: block; width: 100%; max-width: 900px; height: auto; border: 1px solid #999; }
@page { size: A4 portrait; margin: 12mm; }
@page charts { size: A4 landscape; margin: 10mm; }
@media print {
  body { margin: 0; }
  tr, figure.chart { break-inside: avoid; }
  thead { display: table-header-group; }
  figure.chart { page: charts; break-before: page; margin: 0; }
  figure.chart svg { max-width: none; width: auto; height: 170mm; border: none; }
}
)";

std::string Escaped(const std::string& bytes) {
  std::string text;
  for (const char c : TextAsUtf8(bytes)) {
    switch (c) {
      case '&': text += "&amp;"; break;
      case '<': text += "&lt;"; break;
      case '>': text += "&gt;"; break;
      case '"': text += "&quot;"; break;
      default: text += c;
    }
  }
  return text;
}

std::string Cell(const std::string& html, const char* cssClass = nullptr) {
  return cssClass ? std::string("<td class=\"") + cssClass + "\">" + html + "</td>" : "<td>" + html + "</td>";
}

std::string Plural(std::size_t count, const char* one, const char* many) {
  return std::to_string(count) + " " + (count == 1 ? one : many);
}

// The dates of the analysed reports: "14-03-2026", or "12-03-2026 to 14-03-2026".
std::string DatesOf(const std::vector<FileReport>& reports) {
  std::set<std::pair<std::string, std::string>> dates;  // sortable day, as written
  for (const FileReport& report : reports) {
    const std::string day = SortableDay(report.Analysis.TestDate);
    if (StatusOf(report.Analysis) == FileStatus::Analysed && !day.empty()) {
      dates.insert({day, report.Analysis.TestDate});
    }
  }
  if (dates.empty()) return {};
  if (dates.size() == 1) return dates.begin()->second;
  return dates.begin()->second + " to " + dates.rbegin()->second;
}

std::string SummaryParagraph(const RunSummary& summary, const std::string& program) {
  std::string text = Plural(summary.Files, "file", "files") + ": " + std::to_string(summary.Analysed) +
                     " analysed, " + std::to_string(summary.NotAnalysed) + " not analysed, " +
                     std::to_string(summary.Failed) + " failed. ";
  text += summary.Boxes.empty() ? std::string("No box out of specification.")
                                : "Out of specification: " + Plural(summary.Boxes.size(), "box", "boxes") + ", " +
                                      Plural(FailingChannelCount(summary), "channel", "channels") + ".";
  return "<p class=\"summary\">" + text + " Made by " + program + ".</p>\n";
}

std::string ReportRows(const std::vector<FileReport>& reports) {
  std::string html;
  for (const FileReport& report : reports) {
    const AnalysisResult& analysis = report.Analysis;
    const FileStatus status = StatusOf(analysis);
    std::string rowClass, statusText, numbers;
    if (status == FileStatus::Analysed) {
      const std::size_t boxes = analysis.OutOfSpecBoxes.size();
      rowClass = boxes == 0 ? "in_spec" : "out_of_spec";
      statusText = boxes == 0 ? "In specification" : "Out of specification";
      const std::int32_t values = analysis.TotalTraces;
      numbers = Cell(std::to_string(values), "number") +
                Cell(ShareText(analysis.Statistics.DisplayedCount, values) + "%", "number") +
                Cell(ShareText(analysis.Statistics.InSpecCount, values) + "%", "number") +
                Cell(boxes == 0 ? "none" : Plural(boxes, "box", "boxes"));
    } else {
      rowClass = status == FileStatus::NotAnalysed || !IsFailure(report) ? "not_analysed" : "problem";
      statusText = Escaped(analysis.Message);
      numbers = "<td colspan=\"4\"></td>";
    }
    html += "<tr class=\"" + rowClass + "\">" + Cell(Escaped(report.Input.Path)) + Cell(Escaped(analysis.TestName)) +
            Cell(Escaped(analysis.TestDate), "date") + Cell(statusText, "status") + numbers + "</tr>\n";
  }
  return html;
}

std::string BoxRows(const std::vector<FileReport>& reports, const RunSummary& summary) {
  std::string html;
  for (const BoxReportRow& row : BoxReportRows(summary)) {
    const FileReport& report = reports[row.Report];
    std::string channels;
    for (const BoxFailure& failure : row.Failures) {
      if (!channels.empty()) channels += ", ";
      channels += std::to_string(failure.Channel) + ": " + ShortestFloatText(failure.Value);
      if (!report.Analysis.Type.UnitText.empty()) channels += " " + Escaped(report.Analysis.Type.UnitText);
    }
    html += "<tr>" + Cell(row.FirstOfBox ? ShortestFloatText(row.Box) : "", "number") +
            Cell(Escaped(report.Analysis.TestName)) + Cell(Escaped(report.Analysis.TestDate), "date") + Cell(channels) +
            Cell(Escaped(report.Input.Path)) + "</tr>\n";
  }
  return html;
}

}  // namespace

std::string InlineSvg(const std::string& svg, const std::string& prefix) {
  std::size_t start = svg.find("<svg");
  if (start == std::string::npos) start = 0;
  std::string text;
  // Cairo names its glyphs, surfaces, clips and masks with id="..." and
  // refers to them as href="#..." or url(#...).
  static const std::pair<const char*, const char*> kReferences[] = {{"id=\"", "id=\""}, {"href=\"#", "href=\"#"},
                                                                     {"url(#", "url(#"}};
  for (std::size_t at = start; at < svg.size();) {
    bool replaced = false;
    for (const auto& [from, to] : kReferences) {
      const std::string_view pattern(from);
      if (svg.compare(at, pattern.size(), pattern) == 0 &&
          (at == 0 || svg[at - 1] == ' ' || svg[at - 1] == ':' || pattern[0] == 'u')) {
        text += to + prefix;
        at += pattern.size();
        replaced = true;
        break;
      }
    }
    if (!replaced) text += svg[at++];
  }
  return text;
}

std::string DayReportHtml(const std::vector<FileReport>& reports, const RunSummary& summary,
                          const std::vector<std::string>& charts) {
  const std::string dates = DatesOf(reports);
  const std::string title = dates.empty() ? "Day report" : "Day report " + dates;
  std::string html = "<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n<title>" + title +
                     "</title>\n<style>" + kStyle + "</style>\n</head>\n<body>\n";
  html += "<h1>" + title + "</h1>\n";
  html += SummaryParagraph(summary, std::string(kProgramName) + " " + kProgramVersion);

  html += "<h2>Reports</h2>\n<table class=\"reports\">\n<thead><tr><th>File</th><th>Test</th><th>Date</th>"
          "<th>Status</th><th>Values</th><th>Displayed</th><th>In spec</th><th>Out of spec</th></tr></thead>\n"
          "<tbody>\n" + ReportRows(reports) + "</tbody>\n</table>\n";

  html += "<h2>Boxes out of specification</h2>\n";
  if (summary.Boxes.empty()) {
    html += "<p>No box out of specification.</p>\n";
  } else {
    html += "<table class=\"boxes\">\n<thead><tr><th>Box</th><th>Test</th><th>Date</th>"
            "<th>Channels out of specification</th><th>File</th></tr></thead>\n<tbody>\n" +
            BoxRows(reports, summary) + "</tbody>\n</table>\n";
  }

  html += "<h2>Charts</h2>\n";
  for (std::size_t i = 0; i < reports.size() && i < charts.size(); ++i) {
    if (charts[i].empty()) continue;
    const AnalysisResult& analysis = reports[i].Analysis;
    html += "<figure class=\"chart\">\n<figcaption>" + Escaped(analysis.TestName) + ", " +
            Escaped(analysis.TestDate) + " &ndash; " + Escaped(reports[i].Input.Path) + "</figcaption>\n" +
            InlineSvg(charts[i], "chart" + std::to_string(i + 1) + "-") + "</figure>\n";
  }
  html += "</body>\n</html>\n";
  return html;
}

}  // namespace vorna
