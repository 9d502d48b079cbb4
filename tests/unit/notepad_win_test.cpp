#include "util/notepad_win.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <atomic>
#include <chrono>
#include <set>
#include <thread>
#include <vector>

#include "test_files.h"
#include "win/win_handles_win.h"

namespace vorna {
namespace {

using namespace std::chrono_literals;
using testing::TemporaryFolder;
using testing::WriteBytes;

constexpr auto kPatience = 30s;

std::string ClassOf(HWND window) {
  char name[64] = {};
  GetClassNameA(window, name, sizeof(name));
  return name;
}

std::string TextOf(HWND window) {
  char text[512] = {};
  GetWindowTextA(window, text, sizeof(text));
  return text;
}

BOOL CALLBACK CollectNotepad(HWND window, LPARAM list) {
  if (ClassOf(window) == "Notepad") reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
  return TRUE;
}

std::vector<HWND> NotepadWindows() {
  std::vector<HWND> windows;
  EnumWindows(CollectNotepad, reinterpret_cast<LPARAM>(&windows));
  return windows;
}

DWORD ProcessOf(HWND window) {
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  return process;
}

// Waits for a Notepad main window that is not among `known` (and, when
// `process` is set, belongs to that process); null after the time-out.
HWND WaitForNewNotepad(const std::vector<HWND>& known, DWORD process = 0) {
  const auto deadline = std::chrono::steady_clock::now() + kPatience;
  while (std::chrono::steady_clock::now() < deadline) {
    for (HWND window : NotepadWindows()) {
      const bool isKnown = std::find(known.begin(), known.end(), window) != known.end();
      if (!isKnown && (process == 0 || ProcessOf(window) == process)) return window;
    }
    std::this_thread::sleep_for(100ms);
  }
  return nullptr;
}

// Ends a Notepad this test started: asks its windows to close, and ends the
// process when it is still there after a while.
class StartedNotepad {
 public:
  explicit StartedNotepad(DWORD process) : process_(OpenProcess(SYNCHRONIZE | PROCESS_TERMINATE, FALSE, process)), id_(process) {}
  ~StartedNotepad() {
    if (!process_.valid()) return;
    for (HWND window : NotepadWindows()) {
      if (ProcessOf(window) == id_) PostMessageA(window, WM_SYSCOMMAND, SC_CLOSE, 0);
    }
    if (WaitForSingleObject(process_.get(), 10000) != WAIT_OBJECT_0) {
      TerminateProcess(process_.get(), 1);
      WaitForSingleObject(process_.get(), 10000);
    }
  }
  StartedNotepad(const StartedNotepad&) = delete;
  StartedNotepad& operator=(const StartedNotepad&) = delete;

 private:
  ScopedHandle process_;
  DWORD id_;
};

TEST(NotepadCommandLine, PutsTheFileNameUnquotedAfterTheProgram) {
  EXPECT_EQ(NotepadCommandLine("C:\\windows", "C:\\my data\\a b.txt"),
            "C:\\windows\\notepad.exe C:\\my data\\a b.txt");
  EXPECT_EQ(NotepadCommandLine("", "tmp.txt"), "\\notepad.exe tmp.txt");
}

TEST(WindowsFolder, HoldsNotepad) {
  const std::string folder = WindowsFolder();
  ASSERT_FALSE(folder.empty());
  EXPECT_NE(folder.back(), ' ');
  EXPECT_NE(GetFileAttributesA((folder + "\\notepad.exe").c_str()), INVALID_FILE_ATTRIBUTES);
}

// A new window shows before Notepad has applied the maximised show state.
bool BecomesMaximised(HWND window) {
  const auto deadline = std::chrono::steady_clock::now() + kPatience;
  while (!IsZoomed(window) && std::chrono::steady_clock::now() < deadline) {
    std::this_thread::sleep_for(50ms);
  }
  return IsZoomed(window) != 0;
}

TEST(ShellToNotepad, OpensAFileWhoseNameHasBlanksMaximisedWithoutWaiting) {
  TemporaryFolder folder;
  WriteBytes(folder.path() / "out of spec.txt", "Geophone resistance\r\n");
  const std::vector<HWND> before = NotepadWindows();
  const auto started = std::chrono::steady_clock::now();
  EXPECT_EQ(ShellToNotepad(folder.File("out of spec.txt")), 0);
  EXPECT_LT(std::chrono::steady_clock::now() - started, 10s);  // does not wait for Notepad
  const HWND notepad = WaitForNewNotepad(before);
  ASSERT_NE(notepad, nullptr) << "no Notepad window appeared";
  StartedNotepad owner(ProcessOf(notepad));
  // The title names the file once Notepad has loaded it.
  const auto deadline = std::chrono::steady_clock::now() + kPatience;
  while (TextOf(notepad).find("out of spec.txt") == std::string::npos &&
         std::chrono::steady_clock::now() < deadline) {
    std::this_thread::sleep_for(100ms);
  }
  EXPECT_NE(TextOf(notepad).find("out of spec.txt"), std::string::npos) << TextOf(notepad);
  EXPECT_TRUE(BecomesMaximised(notepad));
}

TEST(ShellToNotepad, StartsTheProcessItReportsMaximised) {
  TemporaryFolder folder;
  WriteBytes(folder.path() / "tmp.txt", "x\r\n");
  const std::optional<DWORD> process = StartMaximised(NotepadCommandLine(WindowsFolder(), folder.File("tmp.txt")));
  ASSERT_TRUE(process);
  StartedNotepad owner(*process);
  const HWND notepad = WaitForNewNotepad({}, *process);
  ASSERT_NE(notepad, nullptr);
  EXPECT_TRUE(BecomesMaximised(notepad));
}

BOOL CALLBACK FindVisibleDialog(HWND window, LPARAM found) {
  if (ClassOf(window) != "#32770" || !IsWindowVisible(window)) return TRUE;
  *reinterpret_cast<HWND*>(found) = window;
  return FALSE;
}

// The first visible dialog window of a thread, or null.
HWND DialogOfThread(DWORD thread) {
  HWND box = nullptr;
  EnumThreadWindows(thread, FindVisibleDialog, reinterpret_cast<LPARAM>(&box));
  return box;
}

TEST(ShellToNotepad, ReportsANotepadThatCannotBeStartedAndReturnsZero) {
  // The hand-off runs on a thread of its own, so that this one can read and
  // close the message box, and give up rather than hang when none shows.
  std::atomic<bool> finished{false};
  std::atomic<std::int32_t> result{-1};
  std::atomic<DWORD> thread{0};
  std::thread handOff([&] {
    thread = GetCurrentThreadId();
    result = ShellToNotepadFrom("Z:\\no such windows folder", "tmp.txt");
    finished = true;
  });
  std::string title;
  std::string text;
  const auto deadline = std::chrono::steady_clock::now() + kPatience;
  while (!finished && std::chrono::steady_clock::now() < deadline) {
    const HWND box = thread != 0 ? DialogOfThread(thread) : nullptr;
    if (box != nullptr) {
      title = TextOf(box);
      text = TextOf(GetDlgItem(box, 0xFFFF));
      PostMessageA(box, WM_COMMAND, IDOK, 0);
      break;
    }
    std::this_thread::sleep_for(100ms);
  }
  while (!finished && std::chrono::steady_clock::now() < deadline) std::this_thread::sleep_for(50ms);
  if (!finished) {
    handOff.detach();  // ends with the process
    FAIL() << "the hand-off did not return";
  }
  handOff.join();
  EXPECT_EQ(result, 0);
  EXPECT_EQ(title, "Notepad not found");
  EXPECT_EQ(text, "Cannot Start Notepad");
}

}  // namespace
}  // namespace vorna
