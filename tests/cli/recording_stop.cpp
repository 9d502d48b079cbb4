// The checkpoint inside a recording for the interruption test: after
// VORNA_STOP_AFTER_REPORTS reports are written in the open transaction, it
// creates the file VORNA_STOP_MARKER and waits there to be killed.
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "history/recording_checkpoint.h"

namespace vorna {

void ReportRecorded(std::size_t written) {
  const char* after = std::getenv("VORNA_STOP_AFTER_REPORTS");
  const char* marker = std::getenv("VORNA_STOP_MARKER");
  if (after == nullptr || marker == nullptr || std::to_string(written) != after) return;
  if (std::FILE* file = std::fopen(marker, "w")) std::fclose(file);
  for (;;) pause();
}

}  // namespace vorna
