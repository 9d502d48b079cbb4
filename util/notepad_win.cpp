#include "util/notepad_win.h"

#include <vector>

namespace vorna {
namespace {

constexpr UINT kWindowsFolderBufferSize = 250;

}  // namespace

std::string WindowsFolder() {
  std::string buffer(kWindowsFolderBufferSize, ' ');
  const UINT length = GetWindowsDirectoryA(buffer.data(), kWindowsFolderBufferSize);
  // A length as large as the buffer means the folder did not fit: the
  // buffer then holds no usable path.
  if (length >= kWindowsFolderBufferSize) return {};
  buffer.resize(length);
  return buffer;
}

std::string NotepadCommandLine(const std::string& windowsFolder, const std::string& fileName) {
  return windowsFolder + "\\notepad.exe " + fileName;
}

std::optional<DWORD> StartMaximised(const std::string& commandLine) {
  // CreateProcessA may write into its command line: hand it a copy.
  std::vector<char> line(commandLine.begin(), commandLine.end());
  line.push_back('\0');
  STARTUPINFOA startup{};
  startup.cb = sizeof(startup);
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = SW_SHOWMAXIMIZED;
  PROCESS_INFORMATION process{};
  if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, NORMAL_PRIORITY_CLASS, nullptr,
                      nullptr, &startup, &process)) {
    return std::nullopt;
  }
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return process.dwProcessId;
}

std::int32_t ShellToNotepadFrom(const std::string& windowsFolder, const std::string& fileName) {
  if (!StartMaximised(NotepadCommandLine(windowsFolder, fileName))) {
    MessageBoxA(nullptr, "Cannot Start Notepad", "Notepad not found", MB_OK | MB_ICONEXCLAMATION);
  }
  return 0;
}

std::int32_t ShellToNotepad(const std::string& fileName) {
  return ShellToNotepadFrom(WindowsFolder(), fileName);
}

}  // namespace vorna
