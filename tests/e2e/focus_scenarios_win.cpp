// Focus kept across deactivation, in the main window and the settings dialog.
#include "tests/e2e/scenario_library_win.h"

using namespace e2e;

namespace {

// A plain window of the driver's own that takes the activation away.
class OtherWindow {
 public:
  OtherWindow() {
    window_ = CreateWindowExA(0, "STATIC", "elsewhere", WS_POPUP | WS_VISIBLE | WS_CAPTION, 600,
                              600, 200, 100, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
  }
  ~OtherWindow() { DestroyWindow(window_); }
  HWND get() const { return window_; }

 private:
  HWND window_;
};

DWORD ThreadOf(HWND window) { return GetWindowThreadProcessId(window, nullptr); }

HWND FocusOf(HWND window) {
  GUITHREADINFO info{};
  info.cbSize = sizeof(info);
  if (!GetGUIThreadInfo(ThreadOf(window), &info)) return nullptr;
  return info.hwndFocus;
}

void Pump() {
  MSG message;
  while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
}

void Activate(HWND window) {
  DWORD own = GetCurrentThreadId();
  AttachThreadInput(own, ThreadOf(window), TRUE);
  SetForegroundWindow(window);
  SetActiveWindow(window);
  AttachThreadInput(own, ThreadOf(window), FALSE);
  Pump();
}

void FocusControl(HWND control) {
  DWORD own = GetCurrentThreadId();
  AttachThreadInput(own, ThreadOf(control), TRUE);
  SetFocus(control);
  AttachThreadInput(own, ThreadOf(control), FALSE);
}

// Gives `box` the focus, switches to another window and back, and checks
// that the focus came back to `box`.
void CheckFocusComesBack(HWND window, HWND box, const std::string& what) {
  Activate(window);
  FocusControl(box);
  Check(WaitFor([&] { return FocusOf(window) == box; }, 5000), what + ": box has the focus");
  OtherWindow other;
  Activate(other.get());
  Check(WaitFor([&] { Pump(); return GetForegroundWindow() == other.get(); }, 5000),
        what + ": another window is active");
  FocusControl(other.get());
  Activate(window);
  Check(WaitFor([&] { Pump(); return FocusOf(window) == box; }, 5000),
        what + ": focus is back on the box");
}

}  // namespace

SCENARIO(focus_comes_back_after_switching_windows) {
  WorkFolder folder("focus");
  Program program(folder.path());
  CheckFocusComesBack(program.window(), program.Control(kGeoPulseDisplayHighBox), "main window");
  program.Click(kSettingsButton);
  HWND dialog = program.WaitForWindow("Test and Display Settings");
  CheckFocusComesBack(dialog, ControlOf(dialog, kGainMatchDisplayHighBox), "settings dialog");
  ClickControl(dialog, kCancelButton);
  program.WaitForWindowGone("Test and Display Settings");
}

SCENARIO(tab_runs_through_the_main_window_in_creation_order) {
  WorkFolder folder("tab-order");
  Program program(folder.path());
  HWND window = program.window();
  Activate(window);
  FocusControl(program.Control(kOpenButton));
  // The report button is hidden before the first Open, so Tab skips it.
  const int order[] = {kEndButton,           kBmpButton,             kPrintButton,
                       kGeoResLimitLowBox,   kGeoResLimitHighBox,    kGeoLkgLimitBox,
                       kGeoPulseLimitLowBox, kGeoPulseLimitHighBox,  kGndNoiseLimitHighBox,
                       kGeoPulseDisplayLowBox, kGeoResDisplayLowBox, kGeoResDisplayHighBox,
                       kGeoLkgDisplayLowBox, kGeoPulseDisplayHighBox, kGndNoiseDisplayHighBox,
                       kGeoLkgDisplayHighBox, kGndNoiseDisplayLowBox, kSettingsButton,
                       kOpenButton};
  for (int expected : order) {
    HWND focused = FocusOf(window);
    PostMessageA(focused, WM_KEYDOWN, VK_TAB, 0);
    PostMessageA(focused, WM_KEYUP, VK_TAB, 0);
    bool moved = WaitFor([&] { return FocusOf(window) == program.Control(expected); }, 5000);
    Check(moved, "Tab moves the focus to " + std::to_string(expected));
  }
}
