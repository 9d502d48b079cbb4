// Display Chan Out of Spec: the out-of-specification list in Notepad.
#include "app/main_window_commands_win.h"
#include "settings/settings_file.h"
#include "app/loaded_test.h"
#include "util/file_access.h"
#include "util/notepad_win.h"

namespace vorna {

void ShowOutOfSpecReport() {
  const std::string path = LastTestFolder + "tmp.txt";
  // A folder that cannot take the file still hands the path to Notepad.
  WriteWholeFile(path, OutOfSpecReport + "\r\n");
  ShellToNotepad(path);
}

}  // namespace vorna
