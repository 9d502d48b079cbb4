#pragma once
// The platform's folder browser.

#include <windows.h>
#include <shlobj.h>

#include <string>

namespace vorna {

constexpr UINT kBrowseFlags = BIF_RETURNONLYFSDIRS | BIF_DONTGOBELOWDOMAIN | BIF_RETURNFSANCESTORS |
                              BIF_EDITBOX | BIF_NEWDIALOGSTYLE | BIF_BROWSEINCLUDEFILES;

// Shows the folder browser with Prompt as its title, starting at Folder.
// Returns the chosen folder's path, or empty text when the user cancelled
// or the choice has no file-system path.
std::string BrowseForFolder(const HWND& Owner, const std::string& Prompt, const std::string& Folder);

// The browser's callback: preselects the folder whose text `data` points to
// once the browser is up (and brings it to the front, restored), and
// disables OK with a beep for a selection that IsSelectableFolder refuses.
// Returns 0 for every message.
int CALLBACK BrowseFolderCallback(HWND browser, UINT message, LPARAM parameter, LPARAM data);

}  // namespace vorna
