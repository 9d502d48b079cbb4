#pragma once
// The main window and its 35 controls, in creation (and Tab) order.

#include <vector>

#include "settings/window_controls.h"
#include "win/dialog_template_win.h"

namespace vorna {

const WindowSpec& MainWindowSpec();
const std::vector<ControlSpec>& MainWindowControls();

}  // namespace vorna
