#pragma once
// The progress line on standard error while files are analysed: shown
// only when standard error is a terminal and the run has lasted more than
// a second; nothing at all otherwise.

#include <atomic>
#include <chrono>
#include <cstdint>
#include <cstdio>

namespace vorna {

class Progress {
 public:
  // A run over `files` inputs, `bytes` bytes in all.
  Progress(std::size_t files, std::uint64_t bytes);

  // Called by any worker when it has analysed a file of `bytes` bytes.
  void FileDone(std::uint64_t bytes);

  // Called from the one waiting thread now and then: rewrites the line
  // ("12/40 files, 85.3 MB/s") once the run is a second old.
  void Show();
  // Clears the line, if one was shown.
  void Finish();

 private:
  bool enabled_;
  bool shown_ = false;
  std::size_t files_;
  std::uint64_t bytes_;
  std::atomic<std::size_t> filesDone_{0};
  std::atomic<std::uint64_t> bytesDone_{0};
  std::chrono::steady_clock::time_point start_ = std::chrono::steady_clock::now();
};

// True when standard error goes to a terminal.
bool StandardErrorIsTerminal();

}  // namespace vorna
