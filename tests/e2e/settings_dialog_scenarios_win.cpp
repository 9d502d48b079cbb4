// The settings dialog: what it shows, what OK stores, what Cancel keeps.
#include <limits>

#include "settings/settings_file.h"
#include "settings/settings_record.h"
#include "tests/e2e/scenario_library_win.h"

using namespace e2e;

namespace {

const char* const kTitle = "Test and Display Settings";

HWND OpenSettings(const Program& program) {
  program.Click(kSettingsButton);
  return program.WaitForWindow(kTitle);
}

void Confirm(const Program& program, HWND dialog, int button) {
  ClickControl(dialog, button);
  program.WaitForWindowGone(kTitle);
}

vorna::Settings SavedSettings(const WorkFolder& folder) {
  return vorna::SettingsFromImage(ReadFileBytes(folder.File(vorna::kSettingsFileName)));
}

}  // namespace

SCENARIO(settings_dialog_shows_the_record_and_cancel_stores_nothing) {
  WorkFolder folder("dialog-cancel");
  Program program(folder.path());
  HWND dialog = OpenSettings(program);
  CheckEqual(ControlText(dialog, kSysPulseLimitLowBox), " 203.35", "System Pulse limit Low");
  CheckEqual(ControlText(dialog, kSysPulseLimitHighBox), " 211.65", "System Pulse limit High");
  CheckEqual(ControlText(dialog, kDistortionDisplayHighBox), " .6", "Distortion display High");
  CheckEqual(ControlText(dialog, kDistortionLimitHighBox), " .0055", "Distortion limit High");
  CheckEqual(ControlText(dialog, kCrossfeedLimitBox), "-200", "Crossfeed limit");
  CheckEqual(ControlText(dialog, kGainMatchLimitLowBox), "-.025", "Gain Matching limit Low");
  CheckEqual(ControlText(dialog, kHistogramBarsBox), " 20", "bar count");
  SetControlText(dialog, kSysNoiseLimitHighBox, "9.5");
  SetControlText(dialog, kHistogramBarsBox, "12");
  Confirm(program, dialog, kCancelButton);
  Check(!FileExists(folder.File(vorna::kSettingsFileName)), "Cancel writes no file");
  dialog = OpenSettings(program);
  CheckEqual(ControlText(dialog, kSysNoiseLimitHighBox), " 4.5", "old value shown after Cancel");
  CheckEqual(ControlText(dialog, kHistogramBarsBox), " 20", "old bar count shown after Cancel");
  PostMessageA(dialog, WM_SYSCOMMAND, SC_CLOSE, 0);
  program.WaitForWindowGone(kTitle);
  Check(!FileExists(folder.File(vorna::kSettingsFileName)), "system close writes no file");
}

SCENARIO(settings_dialog_ok_stores_every_box) {
  WorkFolder folder("dialog-ok");
  Program program(folder.path());
  HWND dialog = OpenSettings(program);
  Confirm(program, dialog, kOkButton);
  Check(ReadFileBytes(folder.File(vorna::kSettingsFileName)) ==
            vorna::SettingsImage(vorna::DefaultSettings()),
        "OK without changes writes the file");

  const struct {
    const char* text;
    std::int32_t bars;
  } barCases[] = {{"12.5", 12}, {"13.5", 14}, {"5", 5}, {"1e20", 2147483647}};
  for (const auto& barCase : barCases) {
    dialog = OpenSettings(program);
    SetControlText(dialog, kSysNoiseLimitHighBox, "abc");
    SetControlText(dialog, kCrossfeedDisplayLowBox, "-1.5E+2");
    SetControlText(dialog, kHistogramBarsBox, barCase.text);
    Confirm(program, dialog, kOkButton);
    vorna::Settings saved = SavedSettings(folder);
    Check(saved.SysNoiseLimitHigh == 0.0f, "\"abc\" stored as 0");
    Check(saved.CrossfeedDisplayLow == -150.0f, "\"-1.5E+2\" stored as -150");
    CheckEqual(std::to_string(saved.HistogramBars), std::to_string(barCase.bars),
               std::string("bar count typed as ") + barCase.text);
  }
}

SCENARIO(settings_dialog_ignores_enter_and_escape_in_a_box) {
  WorkFolder folder("dialog-keys");
  Program program(folder.path());
  HWND dialog = OpenSettings(program);
  HWND box = ControlOf(dialog, kSysNoiseDisplayHighBox);
  SetControlText(dialog, kSysNoiseDisplayHighBox, "7");
  PostMessageA(box, WM_KEYDOWN, VK_RETURN, 0);
  PostMessageA(box, WM_KEYDOWN, VK_ESCAPE, 0);
  PostMessageA(box, WM_CHAR, '5', 0);
  // The typed digit arrives after both keys, so once it shows they were handled.
  Check(WaitFor([&] { return ControlText(dialog, kSysNoiseDisplayHighBox) == "75" || ControlText(dialog, kSysNoiseDisplayHighBox) == "57"; }),
        "the box took the keys");
  Check(!program.HasNoWindow(kTitle), "the dialog is still open");
  Check(!FileExists(folder.File(vorna::kSettingsFileName)), "nothing was stored");
  Confirm(program, dialog, kCancelButton);
}
