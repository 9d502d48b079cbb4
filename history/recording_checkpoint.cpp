#include "history/recording_checkpoint.h"

namespace vorna {

void ReportRecorded(std::size_t) {}

}  // namespace vorna
