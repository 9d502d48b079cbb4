// Start-up, the main window's boxes and the two ways to end the program.
#include <cstring>

#include "settings/settings_file.h"
#include "settings/settings_record.h"
#include "tests/e2e/scenario_library_win.h"
#include "numbers/number_text.h"

using namespace e2e;

namespace {

// The fourteen boxes in the order they are filled from the settings.
const int kBoxes[] = {kGeoResLimitLowBox, kGeoResLimitHighBox, kGeoLkgLimitBox, kGeoPulseLimitLowBox, kGeoPulseLimitHighBox, kGndNoiseLimitHighBox, kGeoResDisplayLowBox,
                      kGeoResDisplayHighBox, kGeoLkgDisplayLowBox, kGeoLkgDisplayHighBox, kGeoPulseDisplayLowBox, kGeoPulseDisplayHighBox, kGndNoiseDisplayLowBox, kGndNoiseDisplayHighBox};

void CheckBoxes(const Program& program, const std::vector<std::string>& expected) {
  for (std::size_t i = 0; i < expected.size(); ++i) {
    CheckEqual(program.Text(kBoxes[i]), expected[i], "box " + std::to_string(kBoxes[i]));
  }
}

void EndAndWait(Program& program, const std::string& how) {
  if (how == "End") {
    program.Click(kEndButton);
  } else {
    program.PostSystemClose();
  }
  DWORD exitCode = 99;
  Check(program.WaitForExit(20000, &exitCode), how + " ends the program");
  Check(exitCode == 0, "exit code 0");
}

std::string SettingsPath(const WorkFolder& folder) {
  return folder.File(vorna::kSettingsFileName);
}

}  // namespace

SCENARIO(first_start_shows_defaults_and_end_writes_them) {
  WorkFolder folder("first");
  Program program(folder.path());
  CheckEqual(program.Title(), "VORNA Test Analyser", "window title");
  CheckBoxes(program, {" 820", " 980", " 1", " 0", " 1", " 25", " 800", " 1000", " 0", " 8",
                       " .65", " .8", " 0", " 100"});
  Check(!program.IsVisible(kReportButton), "report button hidden");
  Check(program.IsVisible(kOpenButton) && program.IsVisible(kSettingsButton), "Open and Settings visible");
  Check(!FileExists(SettingsPath(folder)), "no settings file before End");
  EndAndWait(program, "End");
  std::string image = ReadFileBytes(SettingsPath(folder));
  Check(image.size() == 952, "settings file of 952 bytes");
  Check(image == vorna::SettingsImage(vorna::DefaultSettings()), "file holds the default image");
  Check(image.substr(796, 4) == "\x9A\x59\x4B\x43", "203.35 at offset 796");
  Check(image.substr(948, 4) == std::string("\x14\0\0\0", 4), "20 bars at offset 948");
  Check(image.substr(0, 768) == std::string(768, '\0'), "folder fields all zero");
}

SCENARIO(system_close_writes_nothing) {
  WorkFolder folder("close");
  Program program(folder.path());
  EndAndWait(program, "system close");
  Check(!FileExists(SettingsPath(folder)), "no settings file written");
}

SCENARIO(settings_file_values_are_shown) {
  WorkFolder folder("values");
  vorna::Settings settings = vorna::DefaultSettings();
  settings.GeoResLimitLow = 750.5f;
  settings.GeoLkgLimit = -0.025f;
  settings.GndNoiseDisplayHigh = 1.5e8f;
  std::string image = vorna::SettingsImage(settings) + std::string(48, 'x');
  WriteFileBytes(SettingsPath(folder), image);
  Program program(folder.path());
  CheckBoxes(program, {" 750.5", " 980", "-.025", " 0", " 1", " 25", " 800", " 1000", " 0", " 8",
                       " .65", " .8", " 0", " 1.5E+8"});
  EndAndWait(program, "End");
  CheckEqual(std::to_string(ReadFileBytes(SettingsPath(folder)).size()), "1000",
             "longer file keeps its length");
  Check(ReadFileBytes(SettingsPath(folder)) == image, "file rewritten unchanged");
}

SCENARIO(empty_settings_file_shows_zeros) {
  WorkFolder folder("empty");
  WriteFileBytes(SettingsPath(folder), "");
  Program program(folder.path());
  CheckBoxes(program, std::vector<std::string>(14, " 0"));
}

SCENARIO(hidden_settings_file_is_ignored_then_overwritten) {
  WorkFolder folder("hidden");
  WriteFileBytes(SettingsPath(folder), std::string(952, '\0'));
  SetFileAttributesA(SettingsPath(folder).c_str(), FILE_ATTRIBUTE_HIDDEN);
  Program program(folder.path());
  CheckEqual(program.Text(kGeoResLimitLowBox), " 820", "defaults used");
  EndAndWait(program, "End");
  Check(ReadFileBytes(SettingsPath(folder)) == vorna::SettingsImage(vorna::DefaultSettings()),
        "hidden file overwritten with the defaults");
}

SCENARIO(typed_limit_then_end_saves_the_old_value) {
  WorkFolder folder("typed");
  Program program(folder.path(), "ignored-argument.txt");
  CheckEqual(program.Text(kGeoResLimitLowBox), " 820", "argument ignored, defaults shown");
  program.SetText(kGeoResLimitLowBox, "700");
  EndAndWait(program, "End");
  std::string image = ReadFileBytes(SettingsPath(folder));
  Check(vorna::SettingsFromImage(image).GeoResLimitLow == 820.0f, "old limit 820 saved");
}
