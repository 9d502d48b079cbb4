#pragma once
// The "Test and Display Settings" dialog: the limits and ranges of the
// eight system tests and the number of histogram bars. OK stores every box
// and saves the settings file; Cancel and a system close store nothing.

#include <windows.h>

#include <vector>

#include "win/dialog_template_win.h"

namespace vorna {

extern HWND SettingsDialog;

// The dialog and its controls, in creation (and Tab) order.
const WindowSpec& SettingsDialogSpec();
const std::vector<ControlSpec>& SettingsDialogControls();

// Shows the dialog modally over `owner` and returns when it has closed.
void ShowSettingsDialog(HWND owner);

}  // namespace vorna
