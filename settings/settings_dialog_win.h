#pragma once
// The "Test and Display Settings" dialog: the limits and ranges of the
// eight system tests and the number of histogram bars. OK stores every box
// and saves the settings file; Cancel and a system close store nothing.

#include <windows.h>

namespace vorna {

extern HWND SettingsDialog;

// Shows the dialog modally over `owner` and returns when it has closed.
void ShowSettingsDialog(HWND owner);

}  // namespace vorna
