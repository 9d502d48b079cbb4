#pragma once
// The system's own words for a Win32 error code.

#include <windows.h>

#include <string>

namespace vorna {

// The system's text for `code` (by default the calling thread's last
// error), without its line end; "Windows error N" when it has none.
std::string SystemErrorText(DWORD code = GetLastError());

}  // namespace vorna
