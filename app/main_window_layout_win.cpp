#include "app/main_window_layout_win.h"

#include <windows.h>

namespace vorna {
namespace {

constexpr DWORD kChart = WS_CHILD | WS_VISIBLE | WS_BORDER | SS_OWNERDRAW;

constexpr ControlClass B = ControlClass::Button;
constexpr ControlClass E = ControlClass::Edit;
constexpr ControlClass S = ControlClass::Static;

}  // namespace

const WindowSpec& MainWindowSpec() {
  // WS_POPUP | WS_CAPTION | DS_MODALFRAME | DS_SETFONT | DS_NOFAILCREATE |
  // DS_3DLOOK: no system menu, so no close box; fixed size.
  static const WindowSpec spec{"VORNA Test Analyser", 25, 26, 563, 324, 0x80C000D4, 0,
                               "MS Sans Serif", 8};
  return spec;
}

const std::vector<ControlSpec>& MainWindowControls() {
  static const std::vector<ControlSpec> controls{
      {1001, B, "Open", 5, 10, 40, 20, kPushButtonStyle},
      {1002, B, "End", 5, 40, 40, 20, kPushButtonStyle},
      {1003, S, "", 95, 10, 450, 305, kChart},
      {1004, B, "BMP", 50, 10, 40, 20, kPushButtonStyle},
      {1005, B, "Print", 50, 40, 40, 20, kPushButtonStyle},
      {1006, S, "Geo Res.", 5, 135, 35, 10, kLabelStyle},
      {1007, E, "", 45, 135, 20, 10, kTextBoxStyle},
      {1008, E, "", 70, 135, 20, 10, kTextBoxStyle},
      {1009, S, "Geo Lkg.", 5, 150, 30, 10, kLabelStyle},
      {1010, E, "", 45, 150, 20, 10, kTextBoxStyle},
      {1012, S, "Geo Pulse", 5, 165, 35, 10, kLabelStyle},
      {1013, E, "", 45, 165, 20, 10, kTextBoxStyle},
      {1014, E, "", 70, 165, 20, 10, kTextBoxStyle},
      {1015, S, "Gnd Noise", 5, 180, 35, 10, kLabelStyle},
      {1017, E, "", 70, 180, 20, 10, kTextBoxStyle},
      {1024, S, "Test Limits", 5, 115, 85, 10, kCentredLabelStyle},
      {1025, S, "Low", 45, 125, 20, 10, kCentredLabelStyle},
      {1026, S, "High", 70, 125, 20, 10, kCentredLabelStyle},
      {1027, E, "", 45, 260, 20, 10, kTextBoxStyle},
      {1028, S, "Geo Res.", 5, 230, 35, 10, kLabelStyle},
      {1029, E, "", 45, 230, 20, 10, kTextBoxStyle},
      {1030, E, "", 70, 230, 20, 10, kTextBoxStyle},
      {1031, S, "Geo Lkg.", 5, 245, 30, 10, kLabelStyle},
      {1032, E, "", 45, 245, 20, 10, kTextBoxStyle},
      {1033, S, "Geo Pulse", 5, 260, 35, 10, kLabelStyle},
      {1034, E, "", 70, 260, 20, 10, kTextBoxStyle},
      {1035, S, "Gnd Noise", 5, 275, 35, 10, kLabelStyle},
      {1036, E, "", 70, 275, 20, 10, kTextBoxStyle},
      {1042, S, "Display Ranges", 5, 210, 85, 10, kCentredLabelStyle},
      {1043, S, "Low", 45, 220, 20, 10, kCentredLabelStyle},
      {1044, S, "High", 70, 220, 20, 10, kCentredLabelStyle},
      {1045, E, "", 70, 245, 20, 10, kTextBoxStyle},
      {1046, E, "", 45, 275, 20, 10, kTextBoxStyle},
      {1050, B, "Settings", 5, 65, 85, 25, kPushButtonStyle},
      {1103, B, "Display Chan Out of Spec", 5, 95, 85, 15, kPushButtonStyle},
  };
  return controls;
}

}  // namespace vorna
