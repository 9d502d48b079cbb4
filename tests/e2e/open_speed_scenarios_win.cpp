// Open speed: how long the window takes to open a large report through the
// real open dialog, against a small one. Prints the figures; asserts only
// that both reports were analysed and charted, never anything about time.
#include <algorithm>
#include <cstdio>
#include <fstream>

#include "tests/e2e/scenario_library_win.h"

using namespace e2e;

namespace {

const char* const kOpenTitle = "Select File To Open";
constexpr std::uint32_t kBarGreen = 0x00FF00;
constexpr int kRounds = 3;

// A Geophone resistance report of `boxes` record lines, CR LF: values spread
// over the display range (800..1000), about 3 in 100 outside the limits
// (820..980). A fixed linear congruential sequence keeps it the same each run.
void WriteGeneratedReport(const std::string& path, int boxes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << "VORNA seismic recorder\r\nV.ORNA-4 SYSTEM TEST\r\n\r\nCrew : 7    Line : 1204\r\n"
         "M/D/Y : 03/14/2026\r\nTEST Name : Geophone resistance          Mode : Field\r\n\r\n"
         "Seq   Box     Ch 1      Ch 2      Ch 3      Ch 4\r\n";
  std::uint32_t state = 20260314;
  auto next = [&state] { return state = state * 1664525u + 1013904223u; };
  std::string line;
  char field[32];
  for (int box = 1; box <= boxes; ++box) {
    std::snprintf(field, sizeof(field), "  %-6d%-6d", box % 100000, 500 + box % 3000);
    line = field;
    for (int channel = 0; channel < 4; ++channel) {
      const std::uint32_t draw = next() >> 8;
      // Tenths of an ohm: 8200..9800 mostly, 8000..10000 for 3 in 100 draws.
      const int tenths = draw % 100 < 3 ? 8000 + static_cast<int>(draw / 100 % 2001)
                                        : 8200 + static_cast<int>(draw / 100 % 1601);
      std::snprintf(field, sizeof(field), "    %4d.%d", tenths / 10, tenths % 10);
      line += field;
    }
    line += "\r\n";
    out << line;
  }
  if (!out) throw ScenarioFailure("cannot write " + path);
}

double Seconds(const LARGE_INTEGER& from, const LARGE_INTEGER& to) {
  LARGE_INTEGER frequency;
  QueryPerformanceFrequency(&frequency);
  return static_cast<double>(to.QuadPart - from.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// Opens `path` through the dialog and returns the seconds from posting the
// dialog's OK until the program answers a message again (the Open has run).
double TimedOpen(const Program& program, const std::string& path) {
  program.Click(kOpenButton);
  HWND dialog = program.WaitForWindow(kOpenTitle);
  DWORD_PTR result = 0;
  SendMessageTimeoutA(Program::FileNameBox(dialog), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(path.c_str()),
                      SMTO_ABORTIFHUNG, 5000, &result);
  LARGE_INTEGER start, end;
  QueryPerformanceCounter(&start);
  PostMessageA(dialog, WM_COMMAND, IDOK, 0);
  // While the dialog is up its own loop would answer at once: wait until it
  // has gone, polling without sleeping so that no time is lost here.
  const DWORD began = GetTickCount();
  while (IsWindow(dialog)) {
    if (GetTickCount() - began > 60000) throw ScenarioFailure("the open dialog did not close");
    SwitchToThread();
  }
  if (!SendMessageTimeoutA(program.window(), WM_NULL, 0, 0, SMTO_NORMAL, 120000, &result)) {
    throw ScenarioFailure("the program did not answer after the Open");
  }
  QueryPerformanceCounter(&end);
  Check(program.HasNoMessageBox(), "analysed without a message");
  Check(WaitFor([&] { return CountColour(program.ChartPixels(), kBarGreen) > 500; }, 10000),
        "chart drawn");
  return Seconds(start, end);
}

double MedianOpen(const Program& program, const std::string& path) {
  double times[kRounds];
  for (double& time : times) time = TimedOpen(program, path);
  std::sort(times, times + kRounds);
  return times[kRounds / 2];
}

}  // namespace

SCENARIO(open_speed_of_a_million_box_report) {
  WorkFolder folder("open-speed");
  const std::string large = folder.File("million.txt");
  const std::string small = folder.File("ten.txt");
  WriteGeneratedReport(large, 1000000);
  WriteGeneratedReport(small, 10);
  Program program(folder.path());
  // One Open of each first, so the file cache and the dialog are warm alike.
  TimedOpen(program, small);
  TimedOpen(program, large);
  const double largeSeconds = MedianOpen(program, large);
  const double smallSeconds = MedianOpen(program, small);
  std::printf("  open of 1,000,000 boxes: %.3f s; of 10 boxes: %.3f s; difference %.3f s (median of %d)\n",
              largeSeconds, smallSeconds, largeSeconds - smallSeconds, kRounds);
  std::fflush(stdout);
}
