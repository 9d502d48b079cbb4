#pragma once
// The commands of the main window's buttons, one function each.

#include <windows.h>

namespace vorna {

// Open (1001): choose a report, analyse it and draw its chart.
void OpenTest();
// BMP (1004): save the chart as a 24-bit bitmap file.
void SaveChartBitmap();
// Print (1005): print the chart on one landscape page.
void PrintChart();
// Display Chan Out of Spec (1103): "tmp.txt" in the test folder, in Notepad.
void ShowOutOfSpecReport();

// Set once a chart has been drawn; the bitmap command writes nothing before.
extern bool ChartDrawn;

}  // namespace vorna
