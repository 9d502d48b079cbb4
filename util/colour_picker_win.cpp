#include "util/colour_picker_win.h"

#include <commdlg.h>

namespace vorna {

#ifndef _WIN64
static_assert(sizeof(CHOOSECOLORA) == 36, "colour request record");
#endif

COLORREF* CustomColours() {
  static COLORREF colours[16] = {};
  return colours;
}

std::int32_t PickColour(HWND owner, std::int32_t initialColour, std::int32_t allowCustom) {
  CHOOSECOLORA request{};
  request.lStructSize = sizeof(request);
  request.hwndOwner = owner;
  request.rgbResult = static_cast<COLORREF>(initialColour);
  request.lpCustColors = CustomColours();
  request.Flags = CC_RGBINIT | (allowCustom == 0 ? CC_PREVENTFULLOPEN : 0);
  if (!ChooseColorA(&request)) return -1;
  return static_cast<std::int32_t>(request.rgbResult);
}

}  // namespace vorna
