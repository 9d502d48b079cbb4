// The history and the day report, which the native build alone offers.
#include <ctime>
#include <iostream>

#include "cli/chart_files.h"
#include "cli/day_report.h"
#include "cli/exit_codes.h"
#include "cli/history_output.h"
#include "cli/json_output.h"
#include "cli/native_outputs.h"
#include "cli/version.h"
#include "history/box_trends.h"
#include "history/file_fingerprint.h"
#include "history/history_store.h"
#include "util/file_access.h"
#include "util/utf8_text.h"

namespace vorna {
namespace {

void Problem(const std::string& about, const std::string& reason) {
  std::cerr << kProgramName << ": " << about << ": " << reason << "\n";
}

std::string UtcNow() {
  const std::time_t now = std::time(nullptr);
  std::tm utc{};
  gmtime_r(&now, &utc);
  char text[32];
  std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%SZ", &utc);
  return text;
}

RecordedReport RecordOf(const FileReport& report, const std::string& hash) {
  const AnalysisResult& analysis = report.Analysis;
  RecordedReport recorded;
  recorded.File = TextAsUtf8(report.Input.Path);
  recorded.Hash = hash;
  recorded.TestName = TextAsUtf8(analysis.TestName);
  recorded.TestDate = TextAsUtf8(analysis.TestDate);
  recorded.Unit = TextAsUtf8(analysis.Type.UnitText);
  recorded.LimitLow = analysis.Type.Limits.LimitLow;
  recorded.LimitHigh = analysis.Type.Limits.LimitHigh;
  recorded.ValueScale = analysis.Type.Limits.ValueScale;
  recorded.DisplayLow = analysis.Type.DisplayLow;
  recorded.DisplayHigh = analysis.Type.DisplayHigh;
  recorded.BoxCount = analysis.RecordLines;
  recorded.Values = analysis.TotalTraces;
  recorded.Displayed = analysis.Statistics.DisplayedCount;
  recorded.InSpec = analysis.Statistics.InSpecCount;
  for (const OutOfSpecBox& box : analysis.OutOfSpecBoxes) {
    for (const OutOfSpecChannel& channel : box.Channels) {
      recorded.Failures.push_back({box.BoxNumber, channel.Channel, channel.Value});
    }
  }
  return recorded;
}

bool Record(HistoryStore& store, const std::string& location, const std::vector<FileReport>& reports) {
  bool ok = true;
  std::vector<RecordedReport> recorded;
  for (const FileReport& report : reports) {
    if (StatusOf(report.Analysis) != FileStatus::Analysed) continue;
    const std::string hash = FileFingerprint(report.Input.Path);
    if (hash.empty()) {
      Problem(report.Input.Path, "cannot be read again to be recorded in the history");
      ok = false;
      continue;
    }
    recorded.push_back(RecordOf(report, hash));
  }
  try {
    store.RecordRun(recorded, UtcNow());
  } catch (const HistoryError& error) {
    Problem(location, error.what());
    return false;
  }
  return ok;
}

bool WriteDayReport(const RunOptions& options, const std::vector<FileReport>& reports, const RunSummary& summary) {
  std::vector<std::string> charts;
  for (const FileReport& report : reports) {
    charts.push_back(StatusOf(report.Analysis) == FileStatus::Analysed
                         ? DrawSvgChart(report.Analysis, options.ChartWidth, options.ChartHeight)
                         : std::string());
  }
  if (WriteWholeFile(options.HtmlFile, DayReportHtml(reports, summary, charts))) return true;
  Problem(options.HtmlFile, "cannot be written");
  return false;
}

}  // namespace

struct NativeOutputs::State {
  std::unique_ptr<HistoryStore> History;
};

NativeOutputs::NativeOutputs() : state_(std::make_unique<State>()) {}
NativeOutputs::~NativeOutputs() = default;

bool NativeOutputs::Prepare(const RunOptions& options) {
  if (options.HistoryFile.empty()) return true;
  try {
    state_->History = OpenHistoryStore(options.HistoryFile, HistoryAccess::Record);
  } catch (const HistoryError& error) {
    Problem(options.HistoryFile, error.what());
    return false;
  }
  return true;
}

bool NativeOutputs::Write(const RunOptions& options, const std::vector<FileReport>& reports,
                          const RunSummary& summary) {
  bool ok = true;
  if (state_->History) ok = Record(*state_->History, options.HistoryFile, reports) && ok;
  if (!options.HtmlFile.empty()) ok = WriteDayReport(options, reports, summary) && ok;
  return ok;
}

int RunHistoryQuery(const HistoryQueryOptions& options) {
  std::vector<BoxTrend> trends;
  try {
    const std::unique_ptr<HistoryStore> store = OpenHistoryStore(options.Database, HistoryAccess::Read);
    trends = BoxTrends(store->Failures({options.Box, options.TestName, options.SinceDay}));
  } catch (const HistoryError& error) {
    Problem(options.Database, error.what());
    return kExitFailed;
  }
  const bool jsonToStandardOutput = options.JsonFile == "-";
  if (!jsonToStandardOutput) std::cout << TrendTable(trends) << std::flush;
  if (!options.JsonFile.empty()) {
    const std::string text = JsonText(TrendDocument(trends));
    if (jsonToStandardOutput) {
      std::cout << text << std::flush;
    } else if (!WriteWholeFile(options.JsonFile, text)) {
      Problem(options.JsonFile, "cannot be written");
      return kExitFailed;
    }
  }
  return kExitInSpecification;
}

}  // namespace vorna
