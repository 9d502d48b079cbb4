#include "cli/analysis_run.h"

#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <filesystem>
#include <mutex>
#include <thread>

#include "cli/progress.h"

namespace vorna {
namespace {

std::uint64_t SizeOf(const std::string& path) {
  std::error_code error;
  const std::uintmax_t size = std::filesystem::file_size(path, error);
  return error ? 0 : static_cast<std::uint64_t>(size);
}

FileReport AnalyseInput(const InputFile& input, const Settings& runSettings, bool keepBoxes) {
  FileReport report;
  report.Input = input;
  if (!input.Problem.empty()) {
    report.Analysis.Outcome = AnalysisOutcome::Unreadable;
    report.Analysis.Message = input.Problem;
    return report;
  }
  // The analysis corrects a bar count outside 10..30 in the settings it is
  // given: every file gets the run's settings as they were.
  Settings settings = runSettings;
  AnalysisOptions options;
  if (!keepBoxes) options.OnOutOfSpecBox = [](const OutOfSpecBox&) {};
  report.Analysis = AnalyseReportFile(input.Path, input.Path, settings, options);
  return report;
}

}  // namespace

std::vector<FileReport> AnalyseInputs(const std::vector<InputFile>& inputs, const Settings& settings,
                                      int jobs, bool keepBoxes) {
  std::vector<FileReport> reports(inputs.size());
  std::vector<std::uint64_t> sizes(inputs.size());
  std::uint64_t totalBytes = 0;
  for (std::size_t i = 0; i < inputs.size(); ++i) totalBytes += sizes[i] = SizeOf(inputs[i].Path);
  Progress progress(inputs.size(), totalBytes);

  std::atomic<std::size_t> next{0};
  std::mutex mutex;
  std::condition_variable allDone;
  std::size_t workersLeft = static_cast<std::size_t>(std::max(1, jobs));
  workersLeft = std::max<std::size_t>(1, std::min(workersLeft, inputs.size()));
  const std::size_t workerCount = workersLeft;

  auto work = [&] {
    for (std::size_t i = next++; i < inputs.size(); i = next++) {
      reports[i] = AnalyseInput(inputs[i], settings, keepBoxes);
      progress.FileDone(sizes[i]);
    }
    std::lock_guard<std::mutex> lock(mutex);
    if (--workersLeft == 0) allDone.notify_one();
  };
  std::vector<std::thread> workers;
  for (std::size_t w = 0; w < workerCount; ++w) workers.emplace_back(work);
  {
    std::unique_lock<std::mutex> lock(mutex);
    while (!allDone.wait_for(lock, std::chrono::milliseconds(250), [&] { return workersLeft == 0; })) {
      progress.Show();
    }
  }
  for (std::thread& worker : workers) worker.join();
  progress.Finish();
  return reports;
}

}  // namespace vorna
