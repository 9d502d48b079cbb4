// GETMULTIPLEFILES through its real dialog. The routine runs on a thread
// of this process, as a caller's GUI thread would run it, while the main
// thread finds the dialog by its title, types the names into its file name
// box and confirms or cancels it. Every wait has a time-out; a dialog that
// never goes away ends the process with a failure instead of hanging.
#include <windows.h>

#include <cstdint>
#include <cstdio>
#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

#include "outside_caller_win.h"

namespace outside {
namespace {

using GetMultipleFiles = std::int32_t(__stdcall*)(HWND, BSTR, BSTR*);

constexpr char kDialogTitle[] = "Add file(s)";
constexpr int kFileListBox = 20;
constexpr DWORD kPatienceMs = 20000;

char gStartFolder[MAX_PATH] = {};

// What the thread that runs the dialog was given and what it saw.
struct DialogCall {
  GetMultipleFiles routine = nullptr;
  std::string folder;
  std::int32_t count = -1;
  std::string result;
  LRESULT listEntriesAfter = -1;  // entries left in the owner's list box 20
};

// The owner window a caller would pass: a hidden window holding a list box
// with id 20 that already lists two entries.
DWORD WINAPI RunDialogCall(LPVOID parameter) {
  auto* call = static_cast<DialogCall*>(parameter);
  HINSTANCE instance = GetModuleHandleA(nullptr);
  HWND owner = CreateWindowExA(0, "STATIC", "multiple files caller", WS_POPUP, 0, 0, 300, 200,
                               nullptr, nullptr, instance, nullptr);
  HWND list = CreateWindowExA(0, "LISTBOX", "", WS_CHILD, 0, 0, 200, 100, owner,
                              reinterpret_cast<HMENU>(static_cast<INT_PTR>(kFileListBox)),
                              instance, nullptr);
  SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>("earlier entry 1"));
  SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>("earlier entry 2"));

  BSTR folder = ByteString(call->folder);
  BSTR result = ByteString("result before the call");
  call->count = call->routine(owner, folder, &result);
  call->result = Bytes(result);
  call->listEntriesAfter = SendMessageA(list, LB_GETCOUNT, 0, 0);
  SysFreeString(result);
  SysFreeString(folder);
  DestroyWindow(owner);
  return 0;
}

bool WaitFor(const std::function<bool()>& condition, DWORD timeoutMs) {
  DWORD start = GetTickCount();
  while (!condition()) {
    if (GetTickCount() - start > timeoutMs) return false;
    Sleep(50);
  }
  return true;
}

struct WindowSearch {
  const char* title;
  HWND found;
};

BOOL CALLBACK FindOwnWindow(HWND window, LPARAM parameter) {
  auto* search = reinterpret_cast<WindowSearch*>(parameter);
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  char title[256] = {};
  GetWindowTextA(window, title, sizeof(title));
  if (process == GetCurrentProcessId() && IsWindowVisible(window) &&
      std::string(title) == search->title) {
    search->found = window;
    return FALSE;
  }
  return TRUE;
}

HWND OwnWindowTitled(const char* title) {
  WindowSearch search{title, nullptr};
  EnumWindows(FindOwnWindow, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

HWND FileNameBox(HWND dialog) {
  HWND box = GetDlgItem(dialog, 0x480);  // edt1
  return box != nullptr ? box : GetDlgItem(dialog, 0x47C);  // cmb13
}

// Runs GETMULTIPLEFILES in `folder`; types `names` and confirms, or cancels
// when `names` is empty. False when the dialog did not come or not go.
bool WorkDialog(GetMultipleFiles routine, const std::string& folder, const std::string& names,
                DialogCall& call) {
  call.routine = routine;
  call.folder = folder;
  HANDLE thread = CreateThread(nullptr, 0, RunDialogCall, &call, 0, nullptr);
  if (thread == nullptr) return false;
  HWND dialog = nullptr;
  bool shown = WaitFor([&] { return (dialog = OwnWindowTitled(kDialogTitle)) != nullptr; },
                       kPatienceMs);
  Check(shown, std::string("the dialog \"") + kDialogTitle + "\" appears");
  if (shown && !names.empty()) {
    DWORD_PTR ignored = 0;
    Check(SendMessageTimeoutA(FileNameBox(dialog), WM_SETTEXT, 0,
                              reinterpret_cast<LPARAM>(names.c_str()), SMTO_ABORTIFHUNG,
                              5000, &ignored) != 0,
          "names typed: " + names);
    PostMessageA(dialog, WM_COMMAND, IDOK, 0);
  } else if (shown) {
    PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
  }
  bool ended = WaitForSingleObject(thread, kPatienceMs) == WAIT_OBJECT_0;
  if (!ended) {
    // Still open (a complaint about the names, say): the thread and the
    // call it works on stay alive until the process ends.
    Check(false, "the dialog closed and the call returned");
    std::printf("outside caller failed\n");
    std::fflush(stdout);
    ExitProcess(1);
  }
  CloseHandle(thread);
  return shown;
}

bool CreateEmptyFile(const std::string& path) {
  HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  CloseHandle(file);
  return true;
}

// Files created for one scenario, deleted when it ends.
class ScenarioFiles {
 public:
  explicit ScenarioFiles(const std::string& folder) : folder_(folder) {}
  ~ScenarioFiles() {
    for (const std::string& path : paths_) DeleteFileA(path.c_str());
  }
  ScenarioFiles(const ScenarioFiles&) = delete;
  ScenarioFiles& operator=(const ScenarioFiles&) = delete;
  void Add(const std::string& name) {
    paths_.push_back(folder_ + name);
    Check(CreateEmptyFile(paths_.back()), "file " + paths_.back() + " created");
  }

 private:
  std::string folder_;
  std::vector<std::string> paths_;
};

// A fresh folder in the temporary folder, ending in a backslash.
std::string ScenarioFolder(const std::string& name) {
  char temporary[MAX_PATH] = {};
  GetTempPathA(MAX_PATH, temporary);
  std::string folder = std::string(temporary) + name + "-" +
                       std::to_string(GetCurrentProcessId()) + "\\";
  CreateDirectoryA(folder.c_str(), nullptr);
  return folder;
}

void OneFileChosen(GetMultipleFiles routine) {
  std::printf("GETMULTIPLEFILES: one file chosen\n");
  std::string folder = ScenarioFolder("vorna-multiple-one");
  {
    ScenarioFiles files(folder);
    files.Add("report one.txt");
    files.Add("other.dat");
    DialogCall call;
    if (WorkDialog(routine, folder, "report one.txt", call)) {
      Check(call.count == 1, "returns 1, got " + std::to_string(call.count));
      Check(call.result == folder + "?report one.txt", "result \"" + call.result + "\"");
      Check(call.listEntriesAfter == 0, "the owner's list box 20 is emptied");
    }
  }
  // The confirmed dialog made the folder the working directory.
  SetCurrentDirectoryA(gStartFolder);
  Check(RemoveDirectoryA(folder.c_str()) != 0, "the scenario's folder removed");
}

void ThreeFilesInADriveRoot(GetMultipleFiles routine) {
  std::printf("GETMULTIPLEFILES: three files in a drive's root\n");
  std::string prefix = "vorna-multiple-" + std::to_string(GetCurrentProcessId()) + "-";
  ScenarioFiles files("C:\\");
  for (const char* name : {"a.txt", "b.txt", "c.txt"}) files.Add(prefix + name);
  DialogCall call;
  std::string names = "\"" + prefix + "a.txt\" \"" + prefix + "b.txt\" \"" + prefix + "c.txt\"";
  if (WorkDialog(routine, "C:\\", names, call)) {
    Check(call.count == 3, "returns 3, got " + std::to_string(call.count));
    Check(call.result == "C:\\?" + prefix + "a.txt?" + prefix + "b.txt?" + prefix + "c.txt",
          "result \"" + call.result + "\": the folder ends in one backslash");
    Check(call.listEntriesAfter == 0, "the owner's list box 20 is emptied");
  }
}

void Cancelled(GetMultipleFiles routine) {
  std::printf("GETMULTIPLEFILES: cancelled\n");
  DialogCall call;
  if (WorkDialog(routine, "C:\\", "", call)) {
    Check(call.count == 0, "returns 0, got " + std::to_string(call.count));
    Check(call.result == "result before the call", "the result variable is left as it was");
    Check(call.listEntriesAfter == 2, "the owner's list box keeps its entries");
  }
}

}  // namespace

void CheckMultipleFiles(HMODULE library) {
  auto routine = Routine<GetMultipleFiles>(library, "GETMULTIPLEFILES");
  Check(routine != nullptr, "GETMULTIPLEFILES is exported by name");
  if (routine == nullptr) return;
  GetCurrentDirectoryA(MAX_PATH, gStartFolder);
  OneFileChosen(routine);
  ThreeFilesInADriveRoot(routine);
  Cancelled(routine);
}

}  // namespace outside
