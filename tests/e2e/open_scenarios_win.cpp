// Open: reports chosen through the real open dialog, analysed or refused.
#include "tests/e2e/scenario_library_win.h"

using namespace e2e;

namespace {

const char* const kOpenTitle = "Select File To Open";
constexpr std::uint32_t kBarGreen = 0x00FF00;

// The screen shows a repaint a little after the program drew it: poll.
bool ChartShowsBars(const Program& program) {
  return WaitFor([&] { return CountColour(program.ChartPixels(), kBarGreen) > 500; }, 10000);
}

void Open(const Program& program, const std::string& path) {
  program.Click(kOpenButton);
  program.ChooseInFileDialog(kOpenTitle, path);
}

// Opens a report that must be refused and checks the message box.
void OpenRefused(const Program& program, const std::string& path, const std::string& message) {
  Open(program, path);
  HWND box = program.WaitForMessageBox();
  CheckEqual(Program::MessageText(box), message, "message");
  CheckEqual(WindowTextOf(box), "VORNA Test Analyser", "message caption");
  program.CloseMessageBox(box);
}

// The name the bitmap dialog suggests is the test name of the last load.
std::string SuggestedBitmapName(const Program& program) {
  program.Click(kBmpButton);
  HWND dialog = program.WaitForWindow("Save BMP File");
  std::string name = WindowTextOf(Program::FileNameBox(dialog));
  program.CancelFileDialog("Save BMP File");
  return name;
}

}  // namespace

SCENARIO(open_geophone_resistance_draws_the_chart_and_shows_the_report_button) {
  WorkFolder folder("open-geores");
  std::string report = CopySample("geophone_resistance.txt", folder);
  Program program(folder.path());
  Check(CountColour(program.ChartPixels(), kBarGreen) == 0, "no bars before the first Open");
  Open(program, report);
  Check(program.HasNoMessageBox(), "no message");
  Check(program.IsVisible(kReportButton), "report button shown (boxes out of specification)");
  Check(ChartShowsBars(program), "green bars drawn");
  CheckEqual(SuggestedBitmapName(program), "Geophone resistance", "test name kept");

  program.Click(kOpenButton);
  program.CancelFileDialog(kOpenTitle);
  Check(program.HasNoMessageBox(), "a cancelled dialog shows nothing");
  Check(program.IsVisible(kReportButton), "a cancelled dialog keeps the report button");
  Check(ChartShowsBars(program), "a cancelled dialog keeps the chart");
}

SCENARIO(open_a_file_that_is_not_a_report) {
  WorkFolder folder("open-invalid");
  WorkFolder other("open-invalid-elsewhere");
  std::string report = CopySample("geophone_resistance.txt", folder);
  std::string invalid = CopySample("not_a_report.txt", other);
  CopySample("system_noise.txt", other);
  Program program(folder.path());
  Open(program, report);
  Check(ChartShowsBars(program), "a chart drawn");
  std::vector<std::uint32_t> chart = program.ChartPixels();
  OpenRefused(program, invalid, "Not a valid VORNA Test File");
  Check(WaitFor([&] { return program.ChartPixels() == chart; }, 10000), "the previous chart stays");
  Check(!program.IsVisible(kReportButton), "the report button is hidden");
  CheckEqual(SuggestedBitmapName(program), "Geophone resistance", "the previous test name stays");
  // A bare name resolves in the dialog's starting folder: the invalid file's.
  Open(program, "system_noise.txt");
  Check(program.HasNoMessageBox(), "the next dialog started in that file's folder");
  CheckEqual(SuggestedBitmapName(program), "System noise", "the report there was analysed");
}

SCENARIO(open_refuses_the_tests_it_cannot_analyse) {
  WorkFolder folder("open-refused");
  Program program(folder.path());
  OpenRefused(program, CopySample("stacker_test.txt", folder), "Cannot analyse the Stacker Test");
  CheckEqual(SuggestedBitmapName(program), "Stacker test", "test name set to the refused name");
  OpenRefused(program, CopySample("unknown_test_type.txt", folder),
              "Unknown Test type System Noise");
  OpenRefused(program, CopySample("correlator_test.txt", folder),
              "Cannot analyse the Correlator Test");
  OpenRefused(program, CopySample("self_diagnosis.txt", folder),
              "Cannot analyse the Self Diagnosis Test");
  OpenRefused(program, CopySample("preamp_gain_step_accuracy.txt", folder),
              "Cannot analyse the Preamp Gain Step Accuracy Test");
  Check(CountColour(program.ChartPixels(), kBarGreen) == 0, "no chart drawn");
}

SCENARIO(open_a_report_with_line_feeds_alone) {
  WorkFolder folder("open-lf");
  std::string report = CopySample("geophone_resistance_lf.txt", folder);
  Program program(folder.path());
  Open(program, report);
  Check(program.HasNoMessageBox(), "no message");
  Check(program.IsVisible(kReportButton), "analysed: report button shown");
  Check(ChartShowsBars(program), "chart drawn");
  Check(!FileExists(report + ".TXT"), "the .TXT copy is gone");
  Check(FileExists(report), "the report itself stays");
}

SCENARIO(open_applies_limits_typed_into_the_main_window) {
  WorkFolder folder("open-limits");
  std::string report = CopySample("geophone_resistance.txt", folder);
  Program program(folder.path());
  Open(program, report);
  Check(program.IsVisible(kReportButton), "default limits: boxes out of specification");
  program.SetText(kGeoResLimitLowBox, "0");
  program.SetText(kGeoResLimitHighBox, "2000");
  Open(program, report);
  Check(!program.IsVisible(kReportButton), "typed limits 0..2000: every box in specification");
}

SCENARIO(open_analyses_every_test_type_without_a_message) {
  WorkFolder folder("open-all");
  Program program(folder.path());
  for (const char* sample :
       {"system_noise.txt", "pulse_response.txt", "geophone_resistance.txt",
        "geophone_leakage.txt", "ground_noise.txt", "geophone_pulse.txt",
        "crossfeed_isolation.txt", "channel_gain_matching.txt", "common_mode_rejection.txt",
        "dc_offset.txt", "dynamic_range.txt", "distortion.txt"}) {
    Open(program, CopySample(sample, folder));
    Check(program.HasNoMessageBox(), std::string(sample) + " analysed without a message");
  }
}
