#include "tests/e2e/scenario_library_win.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>

namespace e2e {
namespace {

std::vector<std::pair<std::string, ScenarioFunction>>& Registry() {
  static std::vector<std::pair<std::string, ScenarioFunction>> registry;
  return registry;
}

struct WindowSearch {
  DWORD processId;
  std::string title;
  HWND found;
};

BOOL CALLBACK MatchTopLevelWindow(HWND window, LPARAM parameter) {
  auto* search = reinterpret_cast<WindowSearch*>(parameter);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  if (owner != search->processId || !IsWindowVisible(window)) return TRUE;
  if (WindowTextOf(window) != search->title) return TRUE;
  search->found = window;
  return FALSE;
}

void RemoveTree(const std::string& folder) {
  WIN32_FIND_DATAA entry{};
  HANDLE search = FindFirstFileA((folder + "*").c_str(), &entry);
  if (search != INVALID_HANDLE_VALUE) {
    do {
      std::string name = entry.cFileName;
      if (name == "." || name == "..") continue;
      std::string path = folder + name;
      SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
      if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
        RemoveTree(path + "\\");
      } else {
        DeleteFileA(path.c_str());
      }
    } while (FindNextFileA(search, &entry));
    FindClose(search);
  }
  SetFileAttributesA(folder.c_str(), FILE_ATTRIBUTE_NORMAL);
  RemoveDirectoryA(folder.c_str());
}

}  // namespace

ScenarioRegistration::ScenarioRegistration(const char* name, ScenarioFunction function) {
  Registry().emplace_back(name, function);
}

const std::vector<std::pair<std::string, ScenarioFunction>>& Scenarios() { return Registry(); }

void Check(bool condition, const std::string& what) {
  if (!condition) throw ScenarioFailure("FAILED: " + what);
  std::printf("  ok: %s\n", what.c_str());
  std::fflush(stdout);
}

void CheckEqual(const std::string& actual, const std::string& expected, const std::string& what) {
  if (actual != expected) {
    throw ScenarioFailure("FAILED: " + what + ": got \"" + actual + "\", expected \"" + expected +
                          "\"");
  }
  std::printf("  ok: %s (\"%s\")\n", what.c_str(), actual.c_str());
  std::fflush(stdout);
}

bool WaitFor(const std::function<bool()>& condition, DWORD timeoutMs) {
  DWORD start = GetTickCount();
  for (;;) {
    if (condition()) return true;
    if (GetTickCount() - start > timeoutMs) return false;
    Sleep(25);
  }
}

std::string DriverFolder() {
  char path[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string folder = path;
  return folder.substr(0, folder.find_last_of('\\') + 1);
}

WorkFolder::WorkFolder(const std::string& name) {
  char temporary[MAX_PATH] = {};
  GetTempPathA(MAX_PATH, temporary);
  path_ = std::string(temporary) + "vorna-e2e-" + name + "-" + std::to_string(GetCurrentProcessId()) +
          "\\";
  RemoveTree(path_);
  if (!CreateDirectoryA(path_.c_str(), nullptr)) {
    throw ScenarioFailure("cannot create work folder " + path_);
  }
}

WorkFolder::~WorkFolder() { RemoveTree(path_); }

Program::Program(const std::string& workingFolder, const std::string& arguments) {
  std::string executable = DriverFolder() + "VORNAanalyser.exe";
  std::string commandLine = "\"" + executable + "\"" + (arguments.empty() ? "" : " " + arguments);
  STARTUPINFOA startup{};
  startup.cb = sizeof(startup);
  if (!CreateProcessA(executable.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                      workingFolder.c_str(), &startup, &process_)) {
    throw ScenarioFailure("cannot start " + executable);
  }
  window_ = WaitForWindow("VORNA Test Analyser", 60000);
}

Program::~Program() {
  // VORNA_E2E_HOLD keeps a failed program on screen for a look (milliseconds).
  if (const char* hold = std::getenv("VORNA_E2E_HOLD")) Sleep(static_cast<DWORD>(std::atoi(hold)));
  if (process_.hProcess != nullptr) {
    if (WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT) {
      TerminateProcess(process_.hProcess, 1);
      WaitForSingleObject(process_.hProcess, 10000);
    }
    CloseHandle(process_.hProcess);
    CloseHandle(process_.hThread);
  }
}

HWND Program::FindWindowTitled(const std::string& title) const {
  WindowSearch search{process_.dwProcessId, title, nullptr};
  EnumWindows(MatchTopLevelWindow, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

HWND Program::WaitForWindow(const std::string& title, DWORD timeoutMs) const {
  HWND found = nullptr;
  if (!WaitFor([&] { return (found = FindWindowTitled(title)) != nullptr; }, timeoutMs)) {
    throw ScenarioFailure("no window \"" + title + "\" appeared");
  }
  return found;
}

bool Program::HasNoWindow(const std::string& title) const {
  return FindWindowTitled(title) == nullptr;
}

void Program::WaitForWindowGone(const std::string& title, DWORD timeoutMs) const {
  if (!WaitFor([&] { return HasNoWindow(title); }, timeoutMs)) {
    throw ScenarioFailure("window \"" + title + "\" did not close");
  }
}

void Program::Sync() const {
  DWORD_PTR result = 0;
  SendMessageTimeoutA(window_, WM_NULL, 0, 0, SMTO_NORMAL, 60000, &result);
}

HWND Program::FileNameBox(HWND dialog) {
  HWND box = GetDlgItem(dialog, 0x480);  // edt1
  if (box == nullptr) box = GetDlgItem(dialog, 0x47C);  // cmb13
  if (box == nullptr) throw ScenarioFailure("the file dialog has no file name box");
  return box;
}

void Program::ChooseInFileDialog(const std::string& title, const std::string& path) const {
  HWND dialog = WaitForWindow(title);
  DWORD_PTR result = 0;
  SendMessageTimeoutA(FileNameBox(dialog), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(path.c_str()),
                      SMTO_ABORTIFHUNG, 5000, &result);
  PostMessageA(dialog, WM_COMMAND, IDOK, 0);
  WaitForWindowGone(title);
  Sync();
}

void Program::CancelFileDialog(const std::string& title) const {
  HWND dialog = WaitForWindow(title);
  PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
  WaitForWindowGone(title);
  Sync();
}

namespace {

struct MessageBoxSearch {
  DWORD processId;
  HWND mainWindow;
  HWND found;
};

BOOL CALLBACK MatchMessageBox(HWND window, LPARAM parameter) {
  auto* search = reinterpret_cast<MessageBoxSearch*>(parameter);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  if (owner != search->processId || window == search->mainWindow || !IsWindowVisible(window)) {
    return TRUE;
  }
  char className[64] = {};
  GetClassNameA(window, className, sizeof(className));
  if (std::string(className) != "#32770" || GetDlgItem(window, 0xFFFF) == nullptr) return TRUE;
  search->found = window;
  return FALSE;
}

}  // namespace

HWND Program::FindMessageBox() const {
  MessageBoxSearch search{process_.dwProcessId, window_, nullptr};
  EnumWindows(MatchMessageBox, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

HWND Program::WaitForMessageBox(DWORD timeoutMs) const {
  HWND box = nullptr;
  if (!WaitFor([&] { return (box = FindMessageBox()) != nullptr; }, timeoutMs)) {
    throw ScenarioFailure("no message box appeared");
  }
  return box;
}

bool Program::HasNoMessageBox() const { return FindMessageBox() == nullptr; }

std::string Program::MessageText(HWND box) { return ControlText(box, 0xFFFF); }

void Program::CloseMessageBox(HWND box) const {
  PostMessageA(box, WM_COMMAND, IDOK, 0);
  if (!WaitFor([&] { return !IsWindow(box) || !IsWindowVisible(box); })) {
    throw ScenarioFailure("the message box did not close");
  }
  Sync();
}

std::vector<std::uint32_t> Program::ChartPixels(int* width, int* height) const {
  Sync();
  HWND chart = Control(kChartArea);
  RECT client{};
  GetClientRect(chart, &client);
  const int w = client.right, h = client.bottom;
  if (width != nullptr) *width = w;
  if (height != nullptr) *height = h;
  std::vector<std::uint32_t> pixels(static_cast<std::size_t>(w) * h);
  // Read from the screen itself: under Wine a window DC of another process
  // does not show what that process painted.
  POINT origin{0, 0};
  ClientToScreen(chart, &origin);
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = w;
  info.bmiHeader.biHeight = -h;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ previous = SelectObject(memory, bitmap);
  BitBlt(memory, 0, 0, w, h, screen, origin.x, origin.y, SRCCOPY);
  GdiFlush();
  const auto* source = static_cast<const std::uint32_t*>(bits);
  for (std::size_t i = 0; i < pixels.size(); ++i) pixels[i] = source[i] & 0x00FFFFFF;
  SelectObject(memory, previous);
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  return pixels;
}

std::size_t CountColour(const std::vector<std::uint32_t>& pixels, std::uint32_t colour) {
  return static_cast<std::size_t>(std::count(pixels.begin(), pixels.end(), colour));
}

std::string CopySample(const std::string& sample, const WorkFolder& folder, const std::string& as) {
  std::string source = DriverFolder() + "..\\..\\samples\\" + sample;
  std::string target = folder.File(as.empty() ? sample : as);
  if (!CopyFileA(source.c_str(), target.c_str(), FALSE)) {
    throw ScenarioFailure("cannot copy sample " + source);
  }
  return target;
}

std::string CheckFolder() {
  const char* unixFolder = std::getenv("VORNA_CHECK_FOLDER");
  if (unixFolder == nullptr || *unixFolder == '\0') return {};
  std::string folder = std::string("Z:") + unixFolder;
  for (char& c : folder) {
    if (c == '/') c = '\\';
  }
  return folder + "\\";
}

HWND Program::Control(int id) const { return ControlOf(window_, id); }

void Program::Click(int id) const { ClickControl(window_, id); }

std::string Program::Text(int id) const { return ControlText(window_, id); }

void Program::SetText(int id, const std::string& text) const {
  SetControlText(window_, id, text);
}

HWND ControlOf(HWND window, int id) {
  HWND control = GetDlgItem(window, id);
  if (control == nullptr) throw ScenarioFailure("no control " + std::to_string(id));
  return control;
}

std::string ControlText(HWND window, int id) { return WindowTextOf(ControlOf(window, id)); }

void SetControlText(HWND window, int id, const std::string& text) {
  DWORD_PTR result = 0;
  SendMessageTimeoutA(ControlOf(window, id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()),
                      SMTO_ABORTIFHUNG, 5000, &result);
}

void ClickControl(HWND window, int id) { PostMessageA(ControlOf(window, id), BM_CLICK, 0, 0); }

bool Program::IsVisible(int id) const {
  return (GetWindowLongA(Control(id), GWL_STYLE) & WS_VISIBLE) != 0;
}

std::string Program::Title() const { return WindowTextOf(window_); }

void Program::PostSystemClose() const { PostMessageA(window_, WM_SYSCOMMAND, SC_CLOSE, 0); }

bool Program::WaitForExit(DWORD timeoutMs, DWORD* exitCode) {
  if (WaitForSingleObject(process_.hProcess, timeoutMs) != WAIT_OBJECT_0) return false;
  GetExitCodeProcess(process_.hProcess, exitCode);
  return true;
}

std::string WindowTextOf(HWND window) {
  char buffer[4096] = {};
  DWORD_PTR copied = 0;
  if (!SendMessageTimeoutA(window, WM_GETTEXT, sizeof(buffer), reinterpret_cast<LPARAM>(buffer),
                           SMTO_ABORTIFHUNG, 5000, &copied)) {
    return {};
  }
  return std::string(buffer, copied);
}

std::string ReadFileBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

bool FileExists(const std::string& path) {
  return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

void WriteFileBytes(const std::string& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (!out) throw ScenarioFailure("cannot write " + path);
}

}  // namespace e2e
