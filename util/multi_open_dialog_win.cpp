#include "util/multi_open_dialog_win.h"

#include <commdlg.h>

#include <cstddef>

#include "util/file_access.h"
#include "util/file_dialogs_win.h"
#include "util/multiple_selection.h"

namespace vorna {
namespace {

constexpr std::size_t kFileTitleSize = 256;
constexpr int kFileListBox = 20;

constexpr char kCaption[] = "Add file(s)";
constexpr char kInitialName[] = "*.*";
constexpr char kFilter[] =
    "All Files  (*.*)|*.*|Data files  (*.DAT, *.INI)|*.DAT;*.INI|"
    "System files  (*.EXE, *.DLL)|*.EXE;*.DLL|Text files  (*.DIZ, *.TXT)|*.DIZ;*.TXT|";

}  // namespace

int MultiOpenDialogCore(HWND Owner, const std::string& Caption, std::string& FileName,
                        const std::string& Folder, const std::string& Filter,
                        const std::string& DefaultExt, DWORD& DialogFlags) {
  std::string filter = MultiOpenFilterBuffer(Filter);
  std::string folder =
      FixedTextBuffer(Folder.empty() ? CurrentDirectory() : Folder, kMultiOpenTextSize);
  std::string title = FixedTextBuffer(Caption, kMultiOpenTextSize);
  std::string defaultExt = FixedTextBuffer(DefaultExt, kMultiOpenDefaultExtSize);
  std::string buffer = MultiOpenFileBuffer(FileName);
  char fileTitle[kFileTitleSize] = {};

  OPENFILENAMEA request = ClassicFileRequest(
      Owner, filter.data(), buffer, fileTitle, kFileTitleSize, folder.data(),
      Caption.empty() ? nullptr : title.data(), DialogFlags, defaultExt.data());

  int result = GetOpenFileNameA(&request) ? 1 : 0;
  FileName = MultiOpenAnswer(buffer, result != 0, request.nFileOffset);
  DialogFlags = request.Flags;
  return result;
}

std::int32_t GETMULTIPLEFILES(HWND Owner, const std::string& Folder, std::string& Result) {
  std::string name = kInitialName;
  DWORD flags = kMultipleFilesFlags;
  if (MultiOpenDialogCore(Owner, kCaption, name, Folder, kFilter, "", flags) == 0) return 0;
  MultipleSelection selection = JoinMultipleSelection(name);
  if (selection.count == 0) return 0;
  if (Owner != nullptr) SendDlgItemMessageA(Owner, kFileListBox, LB_RESETCONTENT, 0, 0);
  Result = selection.text;
  return selection.count;
}

}  // namespace vorna
