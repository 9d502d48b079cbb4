#include "cli/path_join.h"

namespace vorna {

bool IsPathSeparator(char c) {
#ifdef _WIN32
  return c == '/' || c == '\\';
#else
  return c == '/';
#endif
}

std::string JoinPath(const std::string& folder, const std::string& name, char separator) {
  if (folder.empty()) return name;
  if (IsPathSeparator(folder.back())) return folder + name;
  return folder + separator + name;
}

char SeparatorFor(const std::string& folder) {
  if (!folder.empty() && IsPathSeparator(folder.back())) return folder.back();
#ifdef _WIN32
  return '\\';
#else
  return '/';
#endif
}

}  // namespace vorna
