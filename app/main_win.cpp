// Process entry: common controls, settings, then the main window.
#include <windows.h>
#include <commctrl.h>

#include "app/main_window_win.h"
#include "settings/settings_file.h"

namespace {

// Looked up at run time so that the program starts even where the library
// or the newer entry point is missing.
void InitialiseCommonControls() {
  HMODULE library = LoadLibraryA("COMCTL32.DLL");
  if (library == nullptr) return;
  using InitialiseEx = BOOL(WINAPI*)(const INITCOMMONCONTROLSEX*);
  using Initialise = void(WINAPI*)();
  auto initialiseEx =
      reinterpret_cast<InitialiseEx>(reinterpret_cast<void*>(GetProcAddress(library, "InitCommonControlsEx")));
  if (initialiseEx != nullptr) {
    INITCOMMONCONTROLSEX controls{};
    controls.dwSize = 8;
    controls.dwICC = ICC_WIN95_CLASSES | ICC_DATE_CLASSES | ICC_INTERNET_CLASSES;
    initialiseEx(&controls);
  } else {
    auto initialise =
        reinterpret_cast<Initialise>(reinterpret_cast<void*>(GetProcAddress(library, "InitCommonControls")));
    if (initialise != nullptr) initialise();
  }
  FreeLibrary(library);
}

}  // namespace

// The command line is ignored: the program takes no arguments.
int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  InitialiseCommonControls();
  vorna::LoadSettings();
  vorna::BuildMainWindow(nullptr);
  return 0;
}
