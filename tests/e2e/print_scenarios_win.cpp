// Print: one landscape page through the system's default printer.
#include <algorithm>
#include <cstdint>
#include <cstdlib>

#include "tests/e2e/scenario_library_win.h"

using namespace e2e;

namespace {

std::vector<std::string> PdfFiles(const std::string& folder) {
  std::vector<std::string> files;
  WIN32_FIND_DATAA entry{};
  HANDLE search = FindFirstFileA((folder + "*.pdf").c_str(), &entry);
  if (search == INVALID_HANDLE_VALUE) return files;
  do files.push_back(folder + entry.cFileName);
  while (FindNextFileA(search, &entry));
  FindClose(search);
  return files;
}

}  // namespace

SCENARIO(print_dialog_cancel_prints_nothing) {
  std::string output = CheckFolder();
  Check(!output.empty(), "a test printer is set up");
  std::size_t before = PdfFiles(output).size();
  WorkFolder folder("print-cancel");
  Program program(folder.path());
  program.Click(kPrintButton);
  HWND dialog = program.WaitForWindow("Print");
  PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
  program.WaitForWindowGone("Print");
  Check(PdfFiles(output).size() == before, "no job printed");
}

// Prints through the dialog's OK and keeps the page for the PDF checks
// that run after this scenario (tests/e2e/check_printed_page).
void PrintOnePage(const Program& program, const std::string& keptAs) {
  std::string output = CheckFolder();
  Check(!output.empty(), "a test printer is set up");
  std::vector<std::string> before = PdfFiles(output);
  program.Click(kPrintButton);
  HWND dialog = program.WaitForWindow("Print");
  PostMessageA(dialog, WM_COMMAND, IDOK, 0);
  program.WaitForWindowGone("Print");
  std::string printed;
  std::uint64_t lastSize = 0;
  int stablePolls = 0;
  bool arrived = WaitFor([&] {
    std::vector<std::string> now = PdfFiles(output);
    if (now.size() <= before.size()) return false;
    for (const std::string& file : now) {
      if (std::find(before.begin(), before.end(), file) == before.end()) printed = file;
    }
    std::uint64_t size = ReadFileBytes(printed).size();
    stablePolls = size > 0 && size == lastSize ? stablePolls + 1 : 0;
    lastSize = size;
    return stablePolls >= 8;
  }, 60000);
  Check(arrived, "one PDF page arrived from the printer");
  Check(PdfFiles(output).size() == before.size() + 1, "exactly one job");
  Check(CopyFileA(printed.c_str(), (output + keptAs).c_str(), FALSE) != 0, "page kept as " + keptAs);
}

SCENARIO(print_blank_chart_area_before_any_open) {
  WorkFolder folder("print-blank");
  Program program(folder.path());
  PrintOnePage(program, "blank-page.check");
}

SCENARIO(print_chart_after_open) {
  WorkFolder folder("print-chart");
  std::string report = CopySample("geophone_resistance.txt", folder);
  Program program(folder.path());
  program.Click(kOpenButton);
  program.ChooseInFileDialog("Select File To Open", report);
  PrintOnePage(program, "chart-page.check");
}
