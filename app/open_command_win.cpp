// Open: choose a report, check it, analyse its channels and draw its chart.
#include "app/loaded_test.h"
#include "app/main_window_commands_win.h"
#include "app/main_window_layout_win.h"
#include "app/main_window_win.h"
#include "chart/analysis_chart.h"
#include "chart/main_chart_win.h"
#include "settings/settings_file.h"
#include "testfile/analysis.h"
#include "testfile/prepared_report.h"
#include "util/file_dialogs_win.h"
#include "util/path_helpers.h"
#include "util/program_identity.h"
#include "util/text_helpers.h"

namespace vorna {
namespace {

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
  std::string readError;  // a file that cannot be read shows as no report
  const ReportHeader header = ReadReportHeaderFile(report.ReadPath, report.Ends, readError);
  if (!header.IsReport) {
    ShowMessage(std::string(kNotAReportMessage), kProgramTitle);
    return;
  }
  TestName = header.TestName;
  ReadLimitBoxes();

  AnalysisResult analysis =
      AnalyseRecordsFile(report.ReadPath, report.Ends, header, TestFileName, SettingsRecord);
  if (analysis.Outcome != AnalysisOutcome::Analysed) {
    ShowMessage(analysis.Message, kProgramTitle);
    return;
  }
  OutOfSpecReport = analysis.OutOfSpecReport;

  DrawMainChart(GetDlgItem(MainWindow, kChartArea), ChartInputOf(analysis));
  ChartDrawn = true;

  report.Copy.Remove();
  if (analysis.OutOfSpecFound()) ShowReportButton(true);
}

}  // namespace vorna
