#include "util/folder_selection.h"

namespace vorna {

bool IsSelectableFolder(const std::string& path, std::uint32_t attributes) {
  if (path.empty() || attributes == kAttributesUnreadable) return false;
  if ((attributes & kAttributeDirectory) == 0) return false;
  if (path.size() < 2 || path[1] != ':') return false;
  bool isDriveRoot = path.size() >= 2 && path.compare(path.size() - 2, 2, ":\\") == 0;
  return (attributes & kAttributeSystem) == 0 || isDriveRoot;
}

}  // namespace vorna
