#pragma once
// Window text of any length as an ANSI string.

#include <windows.h>

#include <string>

namespace vorna {

std::string WindowText(HWND window);

}  // namespace vorna
