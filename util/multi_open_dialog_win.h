#pragma once
// The open dialog that lets several files be chosen at once.

#include <windows.h>
#include <commdlg.h>

#include <cstdint>
#include <string>

namespace vorna {

constexpr DWORD kMultipleFilesFlags = OFN_EXPLORER | OFN_ALLOWMULTISELECT | OFN_ENABLESIZING |
                                      OFN_FILEMUSTEXIST | OFN_NODEREFERENCELINKS | OFN_HIDEREADONLY;

// GetOpenFileNameA with the classic request record and fixed buffers: the
// filter in 256 bytes, the folder (the working directory when empty) and
// title in 256, the default extension in 10 (always passed; the title only
// when not empty), a 16383-byte file buffer holding the initial FileName.
// On return FileName holds the dialog's answer (MultiOpenAnswer: on cancel
// the initial name) and DialogFlags the flags the platform returned; the
// result is the platform call's, non-zero when files were chosen.
int MultiOpenDialogCore(HWND Owner, const std::string& Caption, std::string& FileName,
                        const std::string& Folder, const std::string& Filter,
                        const std::string& DefaultExt, DWORD& DialogFlags);

// Shows "Add file(s)" starting in Folder. When files are chosen, Result
// becomes the folder ending in a backslash followed by "?" and a name per
// file, the list box with id 20 in Owner (if any) is emptied, and the
// number of files is returned. On cancel or failure 0 is returned and
// Result is left as it was.
std::int32_t GETMULTIPLEFILES(HWND Owner, const std::string& Folder, std::string& Result);

}  // namespace vorna
