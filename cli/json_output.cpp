#include "cli/json_output.h"

#include <cmath>

#include "cli/version.h"
#include "numbers/shortest_float_text.h"
#include "testfile/bar_ranges.h"
#include "util/utf8_text.h"

namespace vorna {
namespace {

using Json = nlohmann::ordered_json;

// Floats are held as the double of the same value; JsonText writes them
// back as single-precision text.
Json Number(float value) { return Json(static_cast<double>(value)); }

Json ReportObject(const FileReport& report) {
  const AnalysisResult& analysis = report.Analysis;
  const bool analysed = analysis.Outcome == AnalysisOutcome::Analysed;
  const Json null;
  Json object;
  object["file"] = TextAsUtf8(report.Input.Path);
  object["status"] = StatusName(StatusOf(analysis));
  object["message"] = TextAsUtf8(analysis.Message);
  object["test_name"] = TextAsUtf8(analysis.TestName);
  object["test_date"] = TextAsUtf8(analysis.TestDate);
  object["unit"] = TextAsUtf8(analysis.Type.UnitText);
  object["limit_low"] = analysed ? Number(analysis.Type.Limits.LimitLow) : null;
  object["limit_high"] = analysed ? Number(analysis.Type.Limits.LimitHigh) : null;
  object["value_scale"] = analysed ? Number(analysis.Type.Limits.ValueScale) : null;
  object["display_low"] = analysed ? Number(analysis.Type.DisplayLow) : null;
  object["display_high"] = analysed ? Number(analysis.Type.DisplayHigh) : null;
  object["box_count"] = analysed ? Json(analysis.RecordLines) : null;
  object["values"] = analysed ? Json(analysis.TotalTraces) : null;
  object["displayed"] = analysed ? Json(analysis.Statistics.DisplayedCount) : null;
  object["in_spec"] = analysed ? Json(analysis.Statistics.InSpecCount) : null;
  Json bars = Json::array();
  const std::vector<BarRange> ranges = BarRangesOf(analysis);
  for (std::size_t bar = 0; bar < ranges.size(); ++bar) {
    bars.push_back({{"low", Number(ranges[bar].Low)},
                    {"high", Number(ranges[bar].High)},
                    {"count", analysis.Statistics.BarCounts[bar + 1]}});
  }
  object["bars"] = std::move(bars);
  Json boxes = Json::array();
  for (const OutOfSpecBox& box : analysis.OutOfSpecBoxes) {
    Json channels = Json::array();
    for (const OutOfSpecChannel& channel : box.Channels) {
      channels.push_back({{"channel", channel.Channel}, {"value", Number(channel.Value)}});
    }
    boxes.push_back({{"box", Number(box.BoxNumber)}, {"channels", std::move(channels)}});
  }
  object["out_of_spec"] = std::move(boxes);
  return object;
}

void AppendIndent(std::string& text, int depth) { text.append(static_cast<std::size_t>(depth) * 2, ' '); }

void AppendJson(std::string& text, const Json& value, int depth) {
  switch (value.type()) {
    case Json::value_t::object: {
      if (value.empty()) {
        text += "{}";
        return;
      }
      text += "{\n";
      bool first = true;
      for (const auto& item : value.items()) {
        if (!first) text += ",\n";
        first = false;
        AppendIndent(text, depth + 1);
        text += Json(item.key()).dump();
        text += ": ";
        AppendJson(text, item.value(), depth + 1);
      }
      text += "\n";
      AppendIndent(text, depth);
      text += "}";
      return;
    }
    case Json::value_t::array: {
      if (value.empty()) {
        text += "[]";
        return;
      }
      text += "[\n";
      for (std::size_t i = 0; i < value.size(); ++i) {
        if (i > 0) text += ",\n";
        AppendIndent(text, depth + 1);
        AppendJson(text, value[i], depth + 1);
      }
      text += "\n";
      AppendIndent(text, depth);
      text += "]";
      return;
    }
    case Json::value_t::number_float: {
      const float number = static_cast<float>(value.get<double>());
      text += std::isfinite(number) ? ShortestFloatText(number) : "null";
      return;
    }
    default:
      // Strings (escaped, any malformed UTF-8 replaced), integers, booleans, null.
      text += value.dump(-1, ' ', false, Json::error_handler_t::replace);
      return;
  }
}

}  // namespace

Json RunDocument(const std::vector<FileReport>& reports, const RunSummary& summary) {
  Json document;
  document["program"] = {{"name", kProgramName}, {"version", kProgramVersion}};
  Json reportList = Json::array();
  for (const FileReport& report : reports) reportList.push_back(ReportObject(report));
  document["reports"] = std::move(reportList);
  Json boxes = Json::array();
  for (const FailingBox& box : summary.Boxes) {
    Json failures = Json::array();
    for (const BoxFailure& failure : box.Failures) {
      const FileReport& report = reports[failure.Report];
      failures.push_back({{"file", TextAsUtf8(report.Input.Path)},
                          {"test_name", TextAsUtf8(report.Analysis.TestName)},
                          {"test_date", TextAsUtf8(report.Analysis.TestDate)},
                          {"channel", failure.Channel},
                          {"value", Number(failure.Value)}});
    }
    boxes.push_back({{"box", Number(box.Box)}, {"failures", std::move(failures)}});
  }
  document["boxes"] = std::move(boxes);
  document["summary"] = {{"files", summary.Files},
                         {"analysed", summary.Analysed},
                         {"not_analysed", summary.NotAnalysed},
                         {"failed", summary.Failed},
                         {"out_of_spec_boxes", summary.Boxes.size()},
                         {"exit_code", summary.ExitCode}};
  return document;
}

std::string JsonText(const Json& document) {
  std::string text;
  AppendJson(text, document, 0);
  text += "\n";
  return text;
}

}  // namespace vorna
