#include "util/file_dialogs_win.h"

#include <commdlg.h>

#include <cstddef>

#include "util/file_access.h"
#include "util/file_dialog_buffers.h"
#include "util/text_helpers.h"

namespace vorna {
namespace {

// The request record in its classic form, as older platforms know it:
// 76 bytes on 32-bit Windows, the same fields with wider pointers on x86-64.
constexpr DWORD kClassicRequestSize = offsetof(OPENFILENAMEA, lpTemplateName) + sizeof(LPCSTR);
#ifndef _WIN64
static_assert(kClassicRequestSize == 76, "classic request record");
#endif
constexpr std::size_t kFileTitleSize = 260;

using PlatformDialog = BOOL(WINAPI*)(LPOPENFILENAMEA);

int RunDialog(PlatformDialog dialog, std::string buffer, HWND Owner, const std::string& Caption,
              std::string& FileName, const std::string& Folder, const std::string& Filter,
              const std::string& DefaultExt, DWORD& DialogFlags, bool readBackFromEnd) {
  std::string platformFilter = PlatformFilter(Filter);
  std::string folder = Folder.empty() ? CurrentDirectory() : Folder;
  char fileTitle[kFileTitleSize] = {};

  OPENFILENAMEA request = ClassicFileRequest(
      Owner, platformFilter.c_str(), buffer, fileTitle, kFileTitleSize, folder.c_str(),
      Caption.empty() ? nullptr : Caption.c_str(), DialogFlags,
      DefaultExt.empty() ? nullptr : DefaultExt.c_str());

  int result = dialog(&request) ? 1 : 0;
  FileName = readBackFromEnd ? OpenAnswer(buffer) : SaveAnswer(buffer);
  DialogFlags = request.Flags;
  return result;
}

// Steps shared by the four routines: defaults written back to the caller.
void ApplyDefaults(std::string& Filter, std::string& Folder) {
  if (TrimBlanks(Folder).empty()) Folder = CurrentDirectory();
  if (TrimBlanks(Filter).empty()) Filter += "All Files (*.*)|*.*";
}

std::string ShowSaveWith(HWND Owner, std::string& Filter, std::string& FileName,
                         const std::string& Caption, std::string& Folder, DWORD flags) {
  ApplyDefaults(Filter, Folder);
  int result = SaveDialogCore(Owner, Caption, FileName, Folder, Filter, "", flags);
  return result != 0 ? FileName : std::string();
}

}  // namespace

OPENFILENAMEA ClassicFileRequest(HWND owner, const char* filter, std::string& fileBuffer,
                                 char* fileTitle, DWORD fileTitleSize, const char* folder,
                                 const char* title, DWORD flags, const char* defaultExt) {
  OPENFILENAMEA request{};
  request.lStructSize = kClassicRequestSize;
  request.hwndOwner = owner;
  request.lpstrFilter = filter;
  request.nFilterIndex = 1;
  request.lpstrFile = fileBuffer.data();
  request.nMaxFile = static_cast<DWORD>(fileBuffer.size());
  request.lpstrFileTitle = fileTitle;
  request.nMaxFileTitle = fileTitleSize;
  request.lpstrInitialDir = folder;
  request.lpstrTitle = title;
  request.Flags = flags;
  request.lpstrDefExt = defaultExt;
  return request;
}

int OpenDialogCore(HWND Owner, const std::string& Caption, std::string& FileName,
                   const std::string& Folder, const std::string& Filter,
                   const std::string& DefaultExt, DWORD& DialogFlags) {
  return RunDialog(GetOpenFileNameA, OpenFileBuffer(FileName), Owner, Caption, FileName, Folder,
                   Filter, DefaultExt, DialogFlags, true);
}

int SaveDialogCore(HWND Owner, const std::string& Caption, std::string& FileName,
                   const std::string& Folder, const std::string& Filter,
                   const std::string& DefaultExt, DWORD& DialogFlags) {
  return RunDialog(GetSaveFileNameA, SaveFileBuffer(FileName), Owner, Caption, FileName, Folder,
                   Filter, DefaultExt, DialogFlags, false);
}

std::string SHOWOPEN(HWND Owner, std::string& Filter, const std::string& Caption,
                     std::string& Folder) {
  ApplyDefaults(Filter, Folder);
  std::string fileName;
  DWORD flags = FileDialogFlags;
  int result = OpenDialogCore(Owner, Caption, fileName, Folder, Filter, "TXT", flags);
  return result != 0 ? fileName : std::string();
}

std::string SHOWSAVE(HWND Owner, std::string& Filter, const std::string& Caption,
                     std::string& Folder) {
  std::string fileName;
  return ShowSaveWith(Owner, Filter, fileName, Caption, Folder, FileDialogFlags);
}

std::string SHOWSAVEA(HWND Owner, std::string& Filter, std::string& FileName,
                      const std::string& Caption, std::string& Folder) {
  return ShowSaveWith(Owner, Filter, FileName, Caption, Folder, FileDialogFlags);
}

std::string SHOWSAVEB(HWND Owner, std::string& Filter, const std::string& Caption,
                      std::string& Folder) {
  std::string fileName;
  return ShowSaveWith(Owner, Filter, fileName, Caption, Folder, kSaveWithoutPromptFlags);
}

}  // namespace vorna
