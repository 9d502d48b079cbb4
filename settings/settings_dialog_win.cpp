#include "settings/settings_dialog_win.h"

#include <vector>

#include "settings/settings_boxes_win.h"
#include "settings/settings_file.h"
#include "settings/window_controls.h"
#include "util/program_identity.h"
#include "win/dialog_base_win.h"

namespace vorna {

HWND SettingsDialog = nullptr;

namespace {

constexpr DWORD kVerticalLine = WS_CHILD | WS_VISIBLE | SS_ETCHEDVERT;
constexpr DWORD kHorizontalLines = WS_CHILD | WS_VISIBLE | SS_ETCHEDHORZ;

constexpr ControlClass B = ControlClass::Button;
constexpr ControlClass E = ControlClass::Edit;
constexpr ControlClass S = ControlClass::Static;

}  // namespace

const WindowSpec& SettingsDialogSpec() {
  // Created hidden (no WS_VISIBLE): shown once its boxes are filled.
  static const WindowSpec spec{
      "Test and Display Settings", 70, 70, 251, 206,
      WS_POPUP | WS_CLIPSIBLINGS | WS_CAPTION | DS_SETFOREGROUND | DS_MODALFRAME | DS_SETFONT |
          DS_NOFAILCREATE | DS_3DLOOK,
      WS_EX_CONTROLPARENT, kWindowFontFace, 8};
  return spec;
}

const std::vector<ControlSpec>& SettingsDialogControls() {
  static const std::vector<ControlSpec> controls{
      {kCancelButton, B, "Cancel", 10, 180, 40, 20, kPushButtonStyle},
      {kOkButton, B, "OK", 200, 180, 40, 20, kPushButtonStyle},
      {kTestColumnHeading, S, "Test", 10, 15, 20, 10, kLabelStyle},
      {kDialogTestLimitsHeading, S, "Test Limits", 85, 5, 60, 10, kCentredLabelStyle},
      {kDialogDisplayRangesHeading, S, "Display Ranges", 170, 5, 70, 10, kCentredLabelStyle},
      {kSysNoiseLabel, S, "System Noise", 10, 30, 55, 10, kLabelStyle},
      {kSysPulseLabel, S, "System Pulse", 10, 45, 55, 10, kLabelStyle},
      {kCrossfeedLabel, S, "Crossfeed", 10, 60, 65, 10, kLabelStyle},
      {kGainMatchLabel, S, "Gain Matching", 10, 75, 65, 10, kLabelStyle},
      {kCmrrLabel, S, "CMRR", 10, 90, 65, 10, kLabelStyle},
      {kDcOffsetLabel, S, "DC Offset", 10, 105, 65, 10, kLabelStyle},
      {kDynRangeLabel, S, "Dynamic Range", 10, 120, 65, 10, kLabelStyle},
      {kDistortionLabel, S, "Distortion", 10, 135, 65, 10, kLabelStyle},
      {kDialogLimitsLowHeading, S, "Low", 85, 15, 25, 10, kCentredLabelStyle},
      {kDialogLimitsHighHeading, S, "High", 120, 15, 25, 10, kCentredLabelStyle},
      {kDialogDisplayLowHeading, S, "Low", 170, 15, 25, 10, kCentredLabelStyle},
      {kDialogDisplayHighHeading, S, "High", 215, 15, 25, 10, kCentredLabelStyle},
      {kSysNoiseLimitHighBox, E, "", 120, 30, 25, 10, kTextBoxStyle},
      {kSysPulseLimitLowBox, E, "", 85, 45, 25, 10, kTextBoxStyle},
      {kSysPulseLimitHighBox, E, "", 120, 45, 25, 10, kTextBoxStyle},
      {kCrossfeedLimitBox, E, "", 85, 60, 25, 10, kTextBoxStyle},
      {kGainMatchLimitLowBox, E, "", 85, 75, 25, 10, kTextBoxStyle},
      {kGainMatchLimitHighBox, E, "", 120, 75, 25, 10, kTextBoxStyle},
      {kCmrrLimitBox, E, "", 85, 90, 25, 10, kTextBoxStyle},
      {kDcOffsetLimitLowBox, E, "", 85, 105, 25, 10, kTextBoxStyle},
      {kDcOffsetLimitHighBox, E, "", 120, 105, 25, 10, kTextBoxStyle},
      {kDynRangeLimitLowBox, E, "", 85, 120, 25, 10, kTextBoxStyle},
      {kDistortionLimitHighBox, E, "", 120, 135, 25, 10, kTextBoxStyle},
      {kSysNoiseDisplayLowBox, E, "", 170, 30, 25, 10, kTextBoxStyle},
      {kSysNoiseDisplayHighBox, E, "", 215, 30, 25, 10, kTextBoxStyle},
      {kSysPulseDisplayLowBox, E, "", 170, 45, 25, 10, kTextBoxStyle},
      {kSysPulseDisplayHighBox, E, "", 215, 45, 25, 10, kTextBoxStyle},
      {kCrossfeedDisplayLowBox, E, "", 170, 60, 25, 10, kTextBoxStyle},
      {kCrossfeedDisplayHighBox, E, "", 215, 60, 25, 10, kTextBoxStyle},
      {kGainMatchDisplayLowBox, E, "", 170, 75, 25, 10, kTextBoxStyle},
      {kGainMatchDisplayHighBox, E, "", 215, 75, 25, 10, kTextBoxStyle},
      {kCmrrDisplayLowBox, E, "", 170, 90, 25, 10, kTextBoxStyle},
      {kCmrrDisplayHighBox, E, "", 215, 90, 25, 10, kTextBoxStyle},
      {kDcOffsetDisplayLowBox, E, "", 170, 105, 25, 10, kTextBoxStyle},
      {kDcOffsetDisplayHighBox, E, "", 215, 105, 25, 10, kTextBoxStyle},
      {kDynRangeDisplayLowBox, E, "", 170, 120, 25, 10, kTextBoxStyle},
      {kDynRangeDisplayHighBox, E, "", 215, 120, 25, 10, kTextBoxStyle},
      {kDistortionDisplayLowBox, E, "", 170, 135, 25, 10, kTextBoxStyle},
      {kDistortionDisplayHighBox, E, "", 215, 135, 25, 10, kTextBoxStyle},
      {kColumnDivider, S, "", 155, 30, 1, 120, kVerticalLine},
      {kHistogramBarsLabel, S, "Number of Histogram Bars", 10, 155, 95, 10, kLabelStyle},
      {kHistogramBarsBox, E, "", 120, 155, 25, 10, kTextBoxStyle},
      {kBarsRule, S, "", 10, 151, 233, 24, kHorizontalLines},
      {kButtonsRule, S, "", 10, 170, 235, 5, kHorizontalLines},
  };
  return controls;
}

namespace {

class SettingsDialogWindow : public DialogBase {
 protected:
  INT_PTR OnInitDialog(HWND dialog) override {
    SettingsDialog = dialog;
    SetHeadingFont(dialog, {kTestColumnHeading, kDialogTestLimitsHeading, kDialogDisplayRangesHeading});
    FillSettingsBoxes(dialog, EditedIn::SettingsDialog);
    ShowWindow(dialog, SW_SHOW);
    // TRUE: the dialog manager gives the first tab stop the focus, so the
    // crew can type into the first box at once.
    return TRUE;
  }

  void OnCommand(HWND dialog, int id) override {
    if (id == kOkButton) {
      ReadSettingsBoxes(dialog, EditedIn::SettingsDialog);
      SaveSettings();
      EndDialog(dialog, 0);
    } else if (id == kCancelButton) {
      EndDialog(dialog, 0);
    }
  }
};

}  // namespace

void ShowSettingsDialog(HWND owner) {
  SettingsDialogWindow dialog;
  dialog.Run(owner, SettingsDialogSpec(), SettingsDialogControls(), false);
  SettingsDialog = nullptr;
}

}  // namespace vorna
