#include "cli/progress.h"

#ifdef _WIN32
#include <io.h>
#else
#include <unistd.h>
#endif

namespace vorna {

bool StandardErrorIsTerminal() {
#ifdef _WIN32
  return _isatty(_fileno(stderr)) != 0;
#else
  return isatty(fileno(stderr)) != 0;
#endif
}

Progress::Progress(std::size_t files, std::uint64_t bytes)
    : enabled_(StandardErrorIsTerminal()), files_(files), bytes_(bytes) {}

void Progress::FileDone(std::uint64_t bytes) {
  bytesDone_ += bytes;
  ++filesDone_;
}

void Progress::Show() {
  if (!enabled_) return;
  const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start_).count();
  if (seconds <= 1.0) return;
  const double megabytes = static_cast<double>(bytesDone_.load()) / 1e6;
  std::fprintf(stderr, "\r%zu/%zu files, %.1f of %.1f MB, %.1f MB/s   ", filesDone_.load(), files_, megabytes,
               static_cast<double>(bytes_) / 1e6, megabytes / seconds);
  std::fflush(stderr);
  shown_ = true;
}

void Progress::Finish() {
  if (!shown_) return;
  std::fprintf(stderr, "\r%60s\r", "");
  std::fflush(stderr);
  shown_ = false;
}

}  // namespace vorna
