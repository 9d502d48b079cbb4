#include "util/path_helpers.h"

#include "util/text_helpers.h"

namespace vorna {

std::string FolderOfPath(const std::string& path) {
  const std::string trimmed = TrimBlanks(path);
  const std::size_t last = trimmed.rfind('\\');
  if (last == std::string::npos) return "\\";
  return trimmed.substr(0, last + 1);
}

std::string FileOfPath(const std::string& path) {
  const std::string trimmed = TrimBlanks(path);
  const std::size_t last = trimmed.rfind('\\');
  if (last == std::string::npos) return trimmed;
  return trimmed.substr(last + 1);
}

}  // namespace vorna
