#include "settings/settings_dialog_win.h"

#include <vector>

#include "settings/settings_boxes_win.h"
#include "settings/settings_file.h"
#include "win/dialog_fonts_win.h"
#include "win/dialog_template_win.h"
#include "win/focus_keeper_win.h"
#include "win/win_handles_win.h"

namespace vorna {

HWND SettingsDialog = nullptr;

namespace {

enum SettingsDialogControl { kCancelButton = 1051, kOkButton = 1052 };

constexpr DWORD kVerticalLine = WS_CHILD | WS_VISIBLE | SS_ETCHEDVERT;
constexpr DWORD kHorizontalLines = WS_CHILD | WS_VISIBLE | SS_ETCHEDHORZ;

constexpr ControlClass B = ControlClass::Button;
constexpr ControlClass E = ControlClass::Edit;
constexpr ControlClass S = ControlClass::Static;

const int kBoldHeadings[] = {1053, 1054, 1055};

FocusKeeper SettingsSavedFocus;

const WindowSpec& SettingsDialogSpec() {
  // Created hidden (no WS_VISIBLE): shown once its boxes are filled.
  static const WindowSpec spec{
      "Test and Display Settings", 70, 70, 251, 206,
      WS_POPUP | WS_CLIPSIBLINGS | WS_CAPTION | DS_SETFOREGROUND | DS_MODALFRAME | DS_SETFONT |
          DS_NOFAILCREATE | DS_3DLOOK,
      WS_EX_CONTROLPARENT, "MS Sans Serif", 8};
  return spec;
}

const std::vector<ControlSpec>& SettingsDialogControls() {
  static const std::vector<ControlSpec> controls{
      {1051, B, "Cancel", 10, 180, 40, 20, kPushButtonStyle},
      {1052, B, "OK", 200, 180, 40, 20, kPushButtonStyle},
      {1053, S, "Test", 10, 15, 20, 10, kLabelStyle},
      {1054, S, "Test Limits", 85, 5, 60, 10, kCentredLabelStyle},
      {1055, S, "Display Ranges", 170, 5, 70, 10, kCentredLabelStyle},
      {1056, S, "System Noise", 10, 30, 55, 10, kLabelStyle},
      {1057, S, "System Pulse", 10, 45, 55, 10, kLabelStyle},
      {1058, S, "Crossfeed", 10, 60, 65, 10, kLabelStyle},
      {1059, S, "Gain Matching", 10, 75, 65, 10, kLabelStyle},
      {1060, S, "CMRR", 10, 90, 65, 10, kLabelStyle},
      {1061, S, "DC Offset", 10, 105, 65, 10, kLabelStyle},
      {1062, S, "Dynamic Range", 10, 120, 65, 10, kLabelStyle},
      {1063, S, "Distortion", 10, 135, 65, 10, kLabelStyle},
      {1064, S, "Low", 85, 15, 25, 10, kCentredLabelStyle},
      {1065, S, "High", 120, 15, 25, 10, kCentredLabelStyle},
      {1066, S, "Low", 170, 15, 25, 10, kCentredLabelStyle},
      {1067, S, "High", 215, 15, 25, 10, kCentredLabelStyle},
      {1068, E, "", 120, 30, 25, 10, kTextBoxStyle},
      {1069, E, "", 85, 45, 25, 10, kTextBoxStyle},
      {1070, E, "", 120, 45, 25, 10, kTextBoxStyle},
      {1071, E, "", 85, 60, 25, 10, kTextBoxStyle},
      {1072, E, "", 85, 75, 25, 10, kTextBoxStyle},
      {1073, E, "", 120, 75, 25, 10, kTextBoxStyle},
      {1074, E, "", 85, 90, 25, 10, kTextBoxStyle},
      {1075, E, "", 85, 105, 25, 10, kTextBoxStyle},
      {1076, E, "", 120, 105, 25, 10, kTextBoxStyle},
      {1077, E, "", 85, 120, 25, 10, kTextBoxStyle},
      {1078, E, "", 120, 135, 25, 10, kTextBoxStyle},
      {1079, E, "", 170, 30, 25, 10, kTextBoxStyle},
      {1080, E, "", 215, 30, 25, 10, kTextBoxStyle},
      {1081, E, "", 170, 45, 25, 10, kTextBoxStyle},
      {1082, E, "", 215, 45, 25, 10, kTextBoxStyle},
      {1083, E, "", 170, 60, 25, 10, kTextBoxStyle},
      {1084, E, "", 215, 60, 25, 10, kTextBoxStyle},
      {1085, E, "", 170, 75, 25, 10, kTextBoxStyle},
      {1086, E, "", 215, 75, 25, 10, kTextBoxStyle},
      {1087, E, "", 170, 90, 25, 10, kTextBoxStyle},
      {1088, E, "", 215, 90, 25, 10, kTextBoxStyle},
      {1089, E, "", 170, 105, 25, 10, kTextBoxStyle},
      {1090, E, "", 215, 105, 25, 10, kTextBoxStyle},
      {1091, E, "", 170, 120, 25, 10, kTextBoxStyle},
      {1092, E, "", 215, 120, 25, 10, kTextBoxStyle},
      {1093, E, "", 170, 135, 25, 10, kTextBoxStyle},
      {1094, E, "", 215, 135, 25, 10, kTextBoxStyle},
      {1097, S, "", 155, 30, 1, 120, kVerticalLine},
      {1098, S, "Number of Histogram Bars", 10, 155, 95, 10, kLabelStyle},
      {1099, E, "", 120, 155, 25, 10, kTextBoxStyle},
      {1101, S, "", 10, 151, 233, 24, kHorizontalLines},
      {1102, S, "", 10, 170, 235, 5, kHorizontalLines},
  };
  return controls;
}

ScopedFont BoldHeadingFont;

void OnInitDialog(HWND dialog) {
  SettingsDialog = dialog;
  SettingsSavedFocus.Forget();
  for (int heading : kBoldHeadings) {
    SendDlgItemMessageA(dialog, heading, WM_SETFONT,
                        reinterpret_cast<WPARAM>(BoldHeadingFont.get()), 0);
  }
  FillSettingsBoxes(dialog, EditedIn::SettingsDialog);
  ShowWindow(dialog, SW_SHOW);
}

void OnOk(HWND dialog) {
  ReadSettingsBoxes(dialog, EditedIn::SettingsDialog);
  SaveSettings();
  EndDialog(dialog, 0);
}

void OnCommand(HWND dialog, int id, int notification) {
  if (notification != 0 && notification != 1) return;
  if (id == kOkButton) OnOk(dialog);
  if (id == kCancelButton) EndDialog(dialog, 0);
}

INT_PTR CALLBACK SettingsDialogProcedure(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
  switch (message) {
    case WM_INITDIALOG:
      OnInitDialog(dialog);
      return TRUE;  // the first tab stop takes the focus
    case WM_COMMAND:
      OnCommand(dialog, LOWORD(wParam), HIWORD(wParam));
      break;
    case WM_NCACTIVATE:
      SettingsSavedFocus.OnNcActivate(wParam != 0);
      break;
    case WM_SYSCOMMAND:
      if ((wParam & 0xFFF0) == SC_CLOSE) EndDialog(dialog, 0);  // like Cancel
      break;
    default:
      break;
  }
  return FALSE;
}

}  // namespace

void ShowSettingsDialog(HWND owner) {
  BoldHeadingFont.reset(CreateHeadingFont(false));
  DialogTemplate dialog(SettingsDialogSpec(), SettingsDialogControls());
  DialogBoxIndirectParamA(GetModuleHandleA(nullptr), dialog.get(), owner, SettingsDialogProcedure,
                          0);
  SettingsDialog = nullptr;
  BoldHeadingFont.reset();
}

}  // namespace vorna
