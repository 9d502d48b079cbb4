// Folder listing for Windows, by the ANSI find functions.
#include <windows.h>

#include "util/folder_listing.h"
#include "util/system_error_text_win.h"

namespace vorna {
namespace {

PathKind KindOfAttributes(DWORD attributes) {
  if (attributes & FILE_ATTRIBUTE_DIRECTORY) return PathKind::Folder;
  if (attributes & FILE_ATTRIBUTE_DEVICE) return PathKind::Other;
  return PathKind::File;
}

}  // namespace

PathKind KindOfPath(const std::string& path, std::string& reason) {
  const DWORD attributes = GetFileAttributesA(path.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) {
    reason = SystemErrorText();
    return PathKind::Missing;
  }
  return KindOfAttributes(attributes);
}

bool ListFolder(const std::string& path, std::vector<FolderEntry>& entries, std::string& reason) {
  const bool endsInSeparator = !path.empty() && (path.back() == '\\' || path.back() == '/');
  const std::string pattern = path + (endsInSeparator ? "*" : "\\*");
  WIN32_FIND_DATAA found{};
  HANDLE search = FindFirstFileA(pattern.c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) {
    reason = SystemErrorText();
    return false;
  }
  do {
    const std::string name = found.cFileName;
    if (name == "." || name == "..") continue;
    FolderEntry item;
    item.Name = name;
    item.Kind = KindOfAttributes(found.dwFileAttributes);
    item.IsLink = (found.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0;
    entries.push_back(std::move(item));
  } while (FindNextFileA(search, &found));
  const DWORD last = GetLastError();
  FindClose(search);
  if (last != ERROR_NO_MORE_FILES) {
    reason = SystemErrorText(last);
    return false;
  }
  return true;
}

}  // namespace vorna
