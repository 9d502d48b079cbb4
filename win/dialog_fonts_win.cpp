#include "win/dialog_fonts_win.h"

#include "win/win_handles_win.h"

namespace vorna {

int HeadingFontHeight(int dotsPerInch) { return -(8 * dotsPerInch / 72); }

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
  lstrcpynA(font.lfFaceName, "MS Sans Serif", LF_FACESIZE);
  return CreateFontIndirectA(&font);
}

}  // namespace vorna
