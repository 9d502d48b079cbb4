#include "util/folder_browser_win.h"

#include <objbase.h>
#include <shlobj.h>

#include "util/folder_selection.h"

namespace vorna {
namespace {

// The new dialog style needs COM on this thread; a thread that already
// has it keeps its own.
class ComForThisCall {
 public:
  ComForThisCall() : initialised_(SUCCEEDED(CoInitialize(nullptr))) {}
  ~ComForThisCall() {
    if (initialised_) CoUninitialize();
  }
  ComForThisCall(const ComForThisCall&) = delete;
  ComForThisCall& operator=(const ComForThisCall&) = delete;

 private:
  bool initialised_;
};

void OnSelectionChanged(HWND browser, LPCITEMIDLIST item) {
  char path[MAX_PATH] = {};
  bool known = item != nullptr && SHGetPathFromIDListA(item, path);
  DWORD attributes = known ? GetFileAttributesA(path) : INVALID_FILE_ATTRIBUTES;
  if (!known || !IsSelectableFolder(path, attributes)) {
    SendMessageA(browser, BFFM_ENABLEOK, 0, 0);
    MessageBeep(MB_OK);
  }
}

}  // namespace

int CALLBACK BrowseFolderCallback(HWND browser, UINT message, LPARAM parameter, LPARAM data) {
  switch (message) {
    case BFFM_INITIALIZED:
      SendMessageA(browser, BFFM_SETSELECTIONA, TRUE, data);
      SetForegroundWindow(browser);
      ShowWindow(browser, SW_RESTORE);
      break;
    case BFFM_SELCHANGED:
      OnSelectionChanged(browser, reinterpret_cast<LPCITEMIDLIST>(parameter));
      break;
  }
  return 0;
}

std::string BrowseForFolder(const HWND& Owner, const std::string& Prompt,
                            const std::string& Folder) {
  ComForThisCall com;
  char displayName[MAX_PATH] = {};  // the platform may write the choice's name here
  BROWSEINFOA request{};
  request.hwndOwner = Owner;
  request.pszDisplayName = displayName;
  request.lpszTitle = Prompt.c_str();
  request.ulFlags = kBrowseFlags;
  request.lpfn = BrowseFolderCallback;
  request.lParam = reinterpret_cast<LPARAM>(Folder.c_str());

  LPITEMIDLIST item = SHBrowseForFolderA(&request);
  if (item == nullptr) return {};
  char path[MAX_PATH] = {};
  bool converted = SHGetPathFromIDListA(item, path);
  CoTaskMemFree(item);  // freed whether or not it had a path
  return converted ? std::string(path) : std::string();
}

}  // namespace vorna
