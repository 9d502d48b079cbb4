#pragma once
// Fonts of the windows' headings: "MS Sans Serif" at 8 points, bold, at
// the screen's resolution.

#include <windows.h>

namespace vorna {

// The LOGFONT height of a font of `pointSize` points at `dotsPerInch`,
// truncated toward zero.
int FontHeightForPoints(int pointSize, int dotsPerInch);

// Height of an 8-point font for LOGFONT at `dotsPerInch`, truncated toward
// zero: -10 at 96 dots per inch, -13 at 120.
int HeadingFontHeight(int dotsPerInch);

// The screen's LOGPIXELSY, read from a screen DC that is released at once.
int ScreenDotsPerInch();

// A bold 8-point kWindowFontFace, underlined or not; the caller owns it.
HFONT CreateHeadingFont(bool underlined);

}  // namespace vorna
