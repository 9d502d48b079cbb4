#pragma once
// A small library for driving the real VORNAanalyser.exe from outside, as
// a user would: start it in a fresh folder, find its window, press
// buttons, read boxes, wait for windows and the process to end. Every
// wait has a time-out, so a hung program fails the scenario instead of
// hanging the run. A failed check throws ScenarioFailure.

#include <windows.h>

#include <cstdint>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "settings/window_controls.h"

namespace e2e {

// Controls are named as the program names them.
using namespace vorna;

struct ScenarioFailure : std::runtime_error {
  using std::runtime_error::runtime_error;
};

using ScenarioFunction = void (*)();

// Registers a scenario under its name; SCENARIO(name) does this.
struct ScenarioRegistration {
  ScenarioRegistration(const char* name, ScenarioFunction function);
};

const std::vector<std::pair<std::string, ScenarioFunction>>& Scenarios();

#define SCENARIO(name)                                                       \
  static void Scenario_##name();                                             \
  static const ::e2e::ScenarioRegistration kRegistration_##name(#name,       \
                                                                Scenario_##name); \
  static void Scenario_##name()

// Records a passed check or throws with `what`.
void Check(bool condition, const std::string& what);
// Equality check that prints both texts on failure.
void CheckEqual(const std::string& actual, const std::string& expected, const std::string& what);

// Waits until `condition` holds, polling; false after `timeoutMs`.
bool WaitFor(const std::function<bool()>& condition, DWORD timeoutMs = 20000);

// A fresh, empty folder under the temporary folder, removed at exit.
class WorkFolder {
 public:
  explicit WorkFolder(const std::string& name);
  ~WorkFolder();
  const std::string& path() const { return path_; }  // ends in a backslash
  std::string File(const std::string& name) const { return path_ + name; }

 private:
  std::string path_;
};

// One running copy of the program.
class Program {
 public:
  // Starts VORNAanalyser.exe (beside this driver) with `workingFolder` as
  // its working directory and waits for its main window.
  explicit Program(const std::string& workingFolder, const std::string& arguments = "");
  ~Program();  // ends the process if it is still running
  Program(const Program&) = delete;
  Program& operator=(const Program&) = delete;

  HWND window() const { return window_; }
  HWND Control(int id) const;
  // Posts a click, so a button that opens a modal dialog does not block us.
  void Click(int id) const;
  std::string Text(int id) const;
  void SetText(int id, const std::string& text) const;
  bool IsVisible(int id) const;
  std::string Title() const;
  void PostSystemClose() const;
  // Waits for a visible top-level window of this process with `title`
  // (a dialog, a message box); throws after the time-out.
  HWND WaitForWindow(const std::string& title, DWORD timeoutMs = 20000) const;
  // True when no visible top-level window of this process has `title`.
  bool HasNoWindow(const std::string& title) const;
  // Waits until the window with `title` has gone.
  void WaitForWindowGone(const std::string& title, DWORD timeoutMs = 20000) const;
  // Returns once the program has handled everything before this call (a
  // message sent to its window waits for the running command to finish).
  void Sync() const;
  // The open dialog: waits for it, enters `path` and confirms it; waits
  // until the dialog has gone and the command has run on.
  void ChooseInFileDialog(const std::string& title, const std::string& path) const;
  // Waits for the dialog with `title` and cancels it.
  void CancelFileDialog(const std::string& title) const;
  // The file name box of an open or save dialog.
  static HWND FileNameBox(HWND dialog);
  // A message box of this process: waits for it and returns its window.
  HWND WaitForMessageBox(DWORD timeoutMs = 20000) const;
  // True when no message box of this process is shown.
  bool HasNoMessageBox() const;
  // Text and caption of a message box; pressing its OK button.
  static std::string MessageText(HWND box);
  void CloseMessageBox(HWND box) const;
  // Pixels of the chart control (kChartArea) as shown on the screen, 0x00RRGGBB.
  std::vector<std::uint32_t> ChartPixels(int* width = nullptr, int* height = nullptr) const;
  // Waits for the process to end; true with its exit code when it did.
  bool WaitForExit(DWORD timeoutMs, DWORD* exitCode);

 private:
  HWND FindWindowTitled(const std::string& title) const;
  HWND FindMessageBox() const;
  PROCESS_INFORMATION process_{};
  HWND window_ = nullptr;
};

// Text of any window of another process, through a time-out.
std::string WindowTextOf(HWND window);

// Controls of any window of the program (the main window or a dialog).
HWND ControlOf(HWND window, int id);
std::string ControlText(HWND window, int id);
void SetControlText(HWND window, int id, const std::string& text);
void ClickControl(HWND window, int id);

// Files: bytes of a file ("" when absent), writing, existence, attributes.
std::string ReadFileBytes(const std::string& path);
bool FileExists(const std::string& path);
void WriteFileBytes(const std::string& path, const std::string& bytes);

// The folder of this driver (and of the program), ending in a backslash.
std::string DriverFolder();

// A file of samples/ (the hand-made reports), copied into `folder`.
std::string CopySample(const std::string& sample, const WorkFolder& folder,
                       const std::string& as = "");

// The folder (ending in a backslash) where scenarios leave files for the
// checks that run outside Wine after them, empty when none is set.
std::string CheckFolder();

// Counts the pixels of one colour.
std::size_t CountColour(const std::vector<std::uint32_t>& pixels, std::uint32_t colour);

}  // namespace e2e
