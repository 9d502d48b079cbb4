// The end-to-end driver: runs one named scenario (or all, or lists them)
// against the real program. Exit code 0 when the scenario passed.
// "--show SAMPLE" opens a sample and keeps the program on screen instead.
#include <cstdio>
#include <cstring>
#include <string>

#include "tests/e2e/scenario_library_win.h"
#include "tests/e2e/show_report_win.h"

int main(int argc, char** argv) {
  if (argc < 2 || std::strcmp(argv[1], "--list") == 0) {
    for (const auto& [name, function] : e2e::Scenarios()) std::printf("%s\n", name.c_str());
    return argc < 2 ? 2 : 0;
  }
  if (std::strcmp(argv[1], "--show") == 0) {
    if (argc != 3) {
      std::printf("usage: vorna_e2e --show SAMPLE\n");
      return 2;
    }
    return e2e::ShowReport(argv[2]);
  }
  int failures = 0;
  int runs = 0;
  for (const auto& [name, function] : e2e::Scenarios()) {
    if (name != argv[1] && std::strcmp(argv[1], "--all") != 0) continue;
    ++runs;
    std::printf("scenario %s\n", name.c_str());
    std::fflush(stdout);
    try {
      function();
      std::printf("scenario %s passed\n", name.c_str());
    } catch (const std::exception& failure) {
      std::printf("  %s\nscenario %s failed\n", failure.what(), name.c_str());
      ++failures;
    }
    std::fflush(stdout);
  }
  if (runs == 0) {
    std::printf("no scenario named %s\n", argv[1]);
    return 2;
  }
  return failures == 0 ? 0 : 1;
}
