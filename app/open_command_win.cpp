// Open: choose a report, check it, analyse its channels and draw its chart.
#include "app/main_window_commands_win.h"
#include "app/main_window_layout_win.h"
#include "app/main_window_win.h"
#include "chart/main_chart_win.h"
#include "settings/settings_file.h"
#include "testfile/channel_statistics.h"
#include "testfile/loaded_test.h"
#include "testfile/prepared_report.h"
#include "testfile/record_pass.h"
#include "testfile/report_format.h"
#include "testfile/test_types.h"
#include "util/file_dialogs_win.h"
#include "util/path_helpers.h"
#include "util/text_helpers.h"

namespace vorna {
namespace {

constexpr const char* kProgramCaption = "VORNA Test Analyser";

void ShowMessage(const std::string& text, const char* caption) {
  MessageBoxA(nullptr, text.c_str(), caption, MB_OK);
}

void ShowReportButton(bool shown) {
  ShowWindow(GetDlgItem(MainWindow, kReportButton), shown ? SW_SHOW : SW_HIDE);
}

}  // namespace

void OpenTest() {
  std::string filter = "VORNA Test Files |*.*";
  TestFileName = SHOWOPEN(nullptr, filter, "Select File To Open", LastTestFolder);
  if (TrimBlanks(TestFileName).empty()) return;

  ShowReportButton(false);
  // Before the file is examined, so the next dialog starts here whatever happens.
  LastTestFolder = FolderOfPath(TestFileName);
  SettingsRecord.TestFileFolderField = FolderFieldOf(LastTestFolder);

  // A ".TXT" copy made here is deleted when `report` goes, on every way out.
  PreparedReport report = PrepareReport(TestFileName);
  TestFileName = report.TestFileName;
  if (!IsValidTestFile(report.Bytes)) {
    ShowMessage("Not a valid VORNA Test File", kProgramCaption);
    return;
  }

  const std::string fileDate = ReadTestDate(report.Bytes);
  TestName = ReadTestName(report.Bytes);
  ReadLimitBoxes();

  TestTypeChoice testType = LookUpTestType(TestName, SettingsRecord);
  if (!testType.Analysed) {
    ShowMessage(testType.Message, kProgramCaption);
    return;
  }
  const TestTypeValues& values = testType.Values;

  RecordPassResult pass = RunRecordPass(report.Bytes, TestName, TestFileName, values.Limits);
  OutOfSpecReport = pass.OutOfSpecReport;
  ChannelStatistics statistics =
      ComputeStatistics(pass.ChannelValues, values.DisplayLow, values.DisplayHigh, values.Limits,
                        SettingsRecord.HistogramBars);

  HistogramInput chart;
  chart.BarCounts = std::move(statistics.BarCounts);
  chart.TotalTraces = static_cast<std::int32_t>(pass.ChannelValues.size());
  chart.DisplayLow = values.DisplayLow;
  chart.BarWidth = statistics.BarWidth;
  chart.UnitText = values.UnitText;
  chart.ValueScale = values.Limits.ValueScale;
  chart.LimitLow = values.Limits.LimitLow;
  chart.LimitHigh = values.Limits.LimitHigh;
  chart.DisplayedCount = statistics.DisplayedCount;
  chart.InSpecCount = statistics.InSpecCount;
  chart.TestName = TestName;
  chart.FileDate = fileDate;
  DrawMainChart(GetDlgItem(MainWindow, kChartArea), chart);
  ChartDrawn = true;

  report.Copy.Remove();
  if (pass.OutOfSpecFound) ShowReportButton(true);
}

}  // namespace vorna
