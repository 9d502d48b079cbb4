#pragma once
// Shows a sample report in the real program and keeps it on screen, for a
// picture of the window taken from outside.

#include <string>

namespace e2e {

// Starts the program in a fresh folder, opens `sample` (a file of
// samples/) through the open dialog, waits until the chart shows its bars,
// prints "shown" and the window's title on one line, then keeps the
// program running until standard input ends or gives a line. Returns the
// exit code: 0 when the report was shown.
int ShowReport(const std::string& sample);

}  // namespace e2e
