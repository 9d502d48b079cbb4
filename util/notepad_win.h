#pragma once
// The Notepad hand-off: opens a text file in the platform's Notepad, as a
// separate program that the caller does not wait for.

#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>

namespace vorna {

// The Windows folder as the platform reports it (GetWindowsDirectoryA into
// a 250-byte buffer); empty when the call fails or the folder does not fit.
std::string WindowsFolder();

// The command line that starts Notepad on `fileName`: the Windows folder,
// "\notepad.exe ", then the file name exactly as given (not quoted, so a
// name with blanks reaches Notepad as the whole rest of the line).
std::string NotepadCommandLine(const std::string& windowsFolder, const std::string& fileName);

// Starts `commandLine` with no application name, normal priority, the
// caller's environment and current folder, shown maximised; closes the
// process and thread handles at once. The started process's id, or nothing
// when it could not be started.
std::optional<DWORD> StartMaximised(const std::string& commandLine);

// Starts Notepad from `windowsFolder` on `fileName`; when it cannot be
// started, shows "Cannot Start Notepad" (title "Notepad not found", OK,
// exclamation icon, no owner) and returns once the user closes it.
// Always 0.
std::int32_t ShellToNotepadFrom(const std::string& windowsFolder, const std::string& fileName);

// SHELLTONOTEPAD: ShellToNotepadFrom(WindowsFolder(), fileName). The file
// is not checked; Notepad reports a missing file itself. Always 0.
std::int32_t ShellToNotepad(const std::string& fileName);

}  // namespace vorna
