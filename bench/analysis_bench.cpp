// Times the whole analysis of a report file, from its bytes in the file
// cache to the bar counts and the out-of-spec list, for a report of a
// million record lines (Geophone resistance, default settings), with CR LF
// line ends and with line feeds alone.

#include <benchmark/benchmark.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <string>

#include "settings/settings_record.h"
#include "testfile/analysis.h"

namespace vorna {
namespace {

constexpr int kRecordLines = 1'000'000;

// A value such as 905.2 from tenths, without the system's number texts.
std::string Tenths(int tenths) { return std::to_string(tenths / 10) + "." + std::to_string(tenths % 10); }

std::string MakeReport(const char* lineEnd) {
  std::mt19937 random(20081225);
  std::normal_distribution<double> resistance(900.0, 30.0);
  std::string report;
  report.reserve(static_cast<std::size_t>(kRecordLines) * 48);
  for (const char* header : {"                 V.ORNA-4 SYSTEM TEST", "Crew 12    Line 3041    M/D/Y : 12/25/2008",
                             "TEST Name : Geophone resistance      Units : Ohm",
                             "Box   Unit     Ch 1     Ch 2     Ch 3     Ch 4"}) {
    report += header;
    report += lineEnd;
  }
  for (int line = 1; line <= kRecordLines; ++line) {
    report += "  " + std::to_string(line % 10000) + "  " + std::to_string(500 + line % 3000);
    for (int channel = 0; channel < 4; ++channel) {
      report += "   " + Tenths(std::max(0, static_cast<int>(resistance(random) * 10)));
    }
    report += lineEnd;
  }
  return report;
}

void AnalyseReportFile(benchmark::State& state, const char* lineEnd) {
  const std::string report = MakeReport(lineEnd);
  const std::string path = (std::filesystem::temp_directory_path() /
                            ("vorna-bench-" + std::to_string(getpid()) + ".txt")).string();
  std::ofstream(path, std::ios::binary).write(report.data(), static_cast<std::streamsize>(report.size()));
  for (auto _ : state) {
    Settings settings = DefaultSettings();
    const AnalysisResult result = AnalyseReportFile(path, "C:\\tests\\T0413.dat", settings);
    benchmark::DoNotOptimize(result.Statistics.InSpecCount);
  }
  std::filesystem::remove(path);
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * static_cast<std::int64_t>(report.size()));
  state.counters["report_MB"] = static_cast<double>(report.size()) / 1e6;
}

BENCHMARK_CAPTURE(AnalyseReportFile, crlf, "\r\n")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(AnalyseReportFile, lf_only, "\n")->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace vorna

BENCHMARK_MAIN();
