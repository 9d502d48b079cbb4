#pragma once
// Names the program shows in more than one place.

namespace vorna {

// The main window's title, the caption of its message boxes and the name of
// its print job.
inline constexpr char kProgramTitle[] = "VORNA Test Analyser";

// The face of the windows' text and of the chart's statistics.
inline constexpr char kWindowFontFace[] = "MS Sans Serif";

}  // namespace vorna
