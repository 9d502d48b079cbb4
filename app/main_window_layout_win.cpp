#include "app/main_window_layout_win.h"

#include <windows.h>

#include "util/program_identity.h"

namespace vorna {
namespace {

constexpr DWORD kChart = WS_CHILD | WS_VISIBLE | WS_BORDER | SS_OWNERDRAW;

constexpr ControlClass B = ControlClass::Button;
constexpr ControlClass E = ControlClass::Edit;
constexpr ControlClass S = ControlClass::Static;

}  // namespace

const WindowSpec& MainWindowSpec() {
  // No system menu, so no close box; fixed size.
  static const WindowSpec spec{
      kProgramTitle, 25, 26, 563, 324,
      WS_POPUP | WS_CAPTION | DS_MODALFRAME | DS_SETFONT | DS_NOFAILCREATE | DS_3DLOOK, 0,
      kWindowFontFace, 8};
  return spec;
}

const std::vector<ControlSpec>& MainWindowControls() {
  static const std::vector<ControlSpec> controls{
      {kOpenButton, B, "Open", 5, 10, 40, 20, kPushButtonStyle},
      {kEndButton, B, "End", 5, 40, 40, 20, kPushButtonStyle},
      {kChartArea, S, "", 95, 10, 450, 305, kChart},
      {kBmpButton, B, "BMP", 50, 10, 40, 20, kPushButtonStyle},
      {kPrintButton, B, "Print", 50, 40, 40, 20, kPushButtonStyle},
      {kGeoResLimitLabel, S, "Geo Res.", 5, 135, 35, 10, kLabelStyle},
      {kGeoResLimitLowBox, E, "", 45, 135, 20, 10, kTextBoxStyle},
      {kGeoResLimitHighBox, E, "", 70, 135, 20, 10, kTextBoxStyle},
      {kGeoLkgLimitLabel, S, "Geo Lkg.", 5, 150, 30, 10, kLabelStyle},
      {kGeoLkgLimitBox, E, "", 45, 150, 20, 10, kTextBoxStyle},
      {kGeoPulseLimitLabel, S, "Geo Pulse", 5, 165, 35, 10, kLabelStyle},
      {kGeoPulseLimitLowBox, E, "", 45, 165, 20, 10, kTextBoxStyle},
      {kGeoPulseLimitHighBox, E, "", 70, 165, 20, 10, kTextBoxStyle},
      {kGndNoiseLimitLabel, S, "Gnd Noise", 5, 180, 35, 10, kLabelStyle},
      {kGndNoiseLimitHighBox, E, "", 70, 180, 20, 10, kTextBoxStyle},
      {kTestLimitsHeading, S, "Test Limits", 5, 115, 85, 10, kCentredLabelStyle},
      {kLimitsLowHeading, S, "Low", 45, 125, 20, 10, kCentredLabelStyle},
      {kLimitsHighHeading, S, "High", 70, 125, 20, 10, kCentredLabelStyle},
      {kGeoPulseDisplayLowBox, E, "", 45, 260, 20, 10, kTextBoxStyle},
      {kGeoResDisplayLabel, S, "Geo Res.", 5, 230, 35, 10, kLabelStyle},
      {kGeoResDisplayLowBox, E, "", 45, 230, 20, 10, kTextBoxStyle},
      {kGeoResDisplayHighBox, E, "", 70, 230, 20, 10, kTextBoxStyle},
      {kGeoLkgDisplayLabel, S, "Geo Lkg.", 5, 245, 30, 10, kLabelStyle},
      {kGeoLkgDisplayLowBox, E, "", 45, 245, 20, 10, kTextBoxStyle},
      {kGeoPulseDisplayLabel, S, "Geo Pulse", 5, 260, 35, 10, kLabelStyle},
      {kGeoPulseDisplayHighBox, E, "", 70, 260, 20, 10, kTextBoxStyle},
      {kGndNoiseDisplayLabel, S, "Gnd Noise", 5, 275, 35, 10, kLabelStyle},
      {kGndNoiseDisplayHighBox, E, "", 70, 275, 20, 10, kTextBoxStyle},
      {kDisplayRangesHeading, S, "Display Ranges", 5, 210, 85, 10, kCentredLabelStyle},
      {kDisplayLowHeading, S, "Low", 45, 220, 20, 10, kCentredLabelStyle},
      {kDisplayHighHeading, S, "High", 70, 220, 20, 10, kCentredLabelStyle},
      {kGeoLkgDisplayHighBox, E, "", 70, 245, 20, 10, kTextBoxStyle},
      {kGndNoiseDisplayLowBox, E, "", 45, 275, 20, 10, kTextBoxStyle},
      {kSettingsButton, B, "Settings", 5, 65, 85, 25, kPushButtonStyle},
      {kReportButton, B, "Display Chan Out of Spec", 5, 95, 85, 15, kPushButtonStyle},
  };
  return controls;
}

}  // namespace vorna
