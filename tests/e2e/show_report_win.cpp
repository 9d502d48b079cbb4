#include "tests/e2e/show_report_win.h"

#include <cstdio>

#include "app/main_window_layout_win.h"
#include "tests/e2e/scenario_library_win.h"

namespace e2e {

int ShowReport(const std::string& sample) {
  try {
    WorkFolder folder("show");
    const std::string report = CopySample(sample, folder);
    Program program(folder.path());
    program.Click(vorna::kOpenButton);
    program.ChooseInFileDialog("Select File To Open", report);
    if (!program.HasNoMessageBox()) {
      std::printf("%s was not analysed: %s\n", sample.c_str(),
                  Program::MessageText(program.WaitForMessageBox()).c_str());
      return 1;
    }
    constexpr std::uint32_t kBarGreen = 0x00FF00;
    // The screen shows a repaint a little after the program drew it.
    if (!WaitFor([&] { return CountColour(program.ChartPixels(), kBarGreen) > 500; }, 10000)) {
      std::printf("the chart of %s shows no bars\n", sample.c_str());
      return 1;
    }
    std::printf("shown %s\n", program.Title().c_str());
    std::fflush(stdout);
    char line[16];
    (void)std::fgets(line, sizeof(line), stdin);
    return 0;
  } catch (const std::exception& failure) {
    std::printf("%s\n", failure.what());
    return 1;
  }
}

}  // namespace e2e
