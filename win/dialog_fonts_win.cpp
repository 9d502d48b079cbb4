#include "win/dialog_fonts_win.h"

#include "util/program_identity.h"
#include "win/win_handles_win.h"

namespace vorna {

int FontHeightForPoints(int pointSize, int dotsPerInch) { return -(pointSize * dotsPerInch / 72); }

int HeadingFontHeight(int dotsPerInch) { return FontHeightForPoints(8, dotsPerInch); }

int ScreenDotsPerInch() {
  ScopedWindowDc screen(nullptr);
  return screen.get() != nullptr ? GetDeviceCaps(screen.get(), LOGPIXELSY) : 96;
}

HFONT CreateHeadingFont(bool underlined) {
  LOGFONTA font{};
  font.lfHeight = HeadingFontHeight(ScreenDotsPerInch());
  font.lfWeight = 700;
  font.lfUnderline = underlined ? 1 : 0;
  font.lfCharSet = ANSI_CHARSET;
  lstrcpynA(font.lfFaceName, kWindowFontFace, LF_FACESIZE);
  return CreateFontIndirectA(&font);
}

}  // namespace vorna
