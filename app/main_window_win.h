#pragma once
// The main window: built from its control table, run modally, and its
// event handler with one function per command.

#include <windows.h>

namespace vorna {

extern HWND MainWindow;

// Builds the main window and shows it modally with `owner` (or none) as
// owner; returns when the window has ended.
void BuildMainWindow(HWND owner);

// Copies the fourteen limit and range boxes of the main window into the
// settings record by the text-number rule, without any check.
void ReadLimitBoxes();

}  // namespace vorna
