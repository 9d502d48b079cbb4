#pragma once
// The platform's colour chooser.

#include <windows.h>

#include <cstdint>

namespace vorna {

// The 16 custom colours the chooser shows, all black at start; the chooser
// updates them, so colours the user defines last while the process runs.
COLORREF* CustomColours();

// Shows the colour chooser with `initialColour` selected; the part for
// defining custom colours can be opened only when allowCustom is not 0.
// Returns the chosen colour, or -1 when the user cancelled.
std::int32_t PickColour(HWND owner, std::int32_t initialColour, std::int32_t allowCustom);

}  // namespace vorna
