#pragma once
// Filling a window's boxes from the settings record and reading them back,
// driven by the field table: each box shows its field in number-text form
// and is read back by the text-number rule, without any check.

#include <windows.h>

#include "settings/settings_record.h"

namespace vorna {

void FillSettingsBoxes(HWND window, EditedIn which);
void ReadSettingsBoxes(HWND window, EditedIn which);

}  // namespace vorna
