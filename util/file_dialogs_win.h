#pragma once
// The platform's open and save dialogs. The four routines fill in their
// defaults and call one of the two cores; the exported forms of the four
// wrap these.

#include <windows.h>
#include <commdlg.h>

#include <string>

namespace vorna {

constexpr DWORD FileDialogFlags =
    OFN_OVERWRITEPROMPT | OFN_HIDEREADONLY | OFN_FILEMUSTEXIST | OFN_EXPLORER | OFN_ENABLESIZING;
constexpr DWORD kSaveWithoutPromptFlags =
    OFN_HIDEREADONLY | OFN_FILEMUSTEXIST | OFN_EXPLORER | OFN_ENABLESIZING;

// The request record in its classic form as older platforms know it (76
// bytes on 32-bit Windows, the same fields with wider pointers on x86-64),
// with the fields every file dialog of the program sets; all others 0.
OPENFILENAMEA ClassicFileRequest(HWND owner, const char* filter, std::string& fileBuffer,
                                 char* fileTitle, DWORD fileTitleSize, const char* folder,
                                 const char* title, DWORD flags, const char* defaultExt);

// Run GetOpenFileNameA / GetSaveFileNameA with the classic 76-byte request
// record. On return FileName holds the name read back from the buffer and
// DialogFlags the flags the platform returned; the result is the platform
// call's (non-zero when a file was chosen).
int OpenDialogCore(HWND Owner, const std::string& Caption, std::string& FileName,
                   const std::string& Folder, const std::string& Filter,
                   const std::string& DefaultExt, DWORD& DialogFlags);
int SaveDialogCore(HWND Owner, const std::string& Caption, std::string& FileName,
                   const std::string& Folder, const std::string& Filter,
                   const std::string& DefaultExt, DWORD& DialogFlags);

// Each returns the chosen path, or empty text when the dialog was
// cancelled. A blank Folder becomes the working directory and a blank
// Filter gets "All Files (*.*)|*.*" appended; both are written back.
std::string SHOWOPEN(HWND Owner, std::string& Filter, const std::string& Caption,
                     std::string& Folder);
std::string SHOWSAVE(HWND Owner, std::string& Filter, const std::string& Caption,
                     std::string& Folder);
// FileName is the suggested name and receives the name read back.
std::string SHOWSAVEA(HWND Owner, std::string& Filter, std::string& FileName,
                      const std::string& Caption, std::string& Folder);
// Never asks before replacing an existing file.
std::string SHOWSAVEB(HWND Owner, std::string& Filter, const std::string& Caption,
                      std::string& Folder);

}  // namespace vorna
