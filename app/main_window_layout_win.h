#pragma once
// The main window and its 35 controls, in creation (and Tab) order.

#include <vector>

#include "win/dialog_template_win.h"

namespace vorna {

enum MainWindowControl {
  kOpenButton = 1001,
  kEndButton = 1002,
  kChartArea = 1003,
  kBmpButton = 1004,
  kPrintButton = 1005,
  kTestLimitsHeading = 1024,
  kDisplayRangesHeading = 1042,
  kSettingsButton = 1050,
  kReportButton = 1103,
};

const WindowSpec& MainWindowSpec();
const std::vector<ControlSpec>& MainWindowControls();

}  // namespace vorna
