#include "cli/input_walk.h"

#include <algorithm>

#include "cli/path_join.h"
#include "util/folder_listing.h"

namespace vorna {
namespace {

constexpr const char* kNotAFile = "not an ordinary file";

void WalkFolder(const std::string& folder, char separator, bool named, bool recursive,
                std::vector<InputFile>& inputs) {
  std::vector<FolderEntry> entries;
  std::string reason;
  if (!ListFolder(folder, entries, reason)) {
    inputs.push_back({folder, named, reason});
    return;
  }
  std::sort(entries.begin(), entries.end(),
            [](const FolderEntry& a, const FolderEntry& b) { return a.Name < b.Name; });
  for (const FolderEntry& entry : entries) {
    const std::string path = JoinPath(folder, entry.Name, separator);
    if (entry.Kind == PathKind::File) {
      inputs.push_back({path, false, {}});
    } else if (entry.Kind == PathKind::Folder && recursive && !entry.IsLink) {
      WalkFolder(path, separator, false, recursive, inputs);
    }
  }
}

}  // namespace

std::vector<InputFile> WalkInputs(const std::vector<std::string>& paths, bool recursive) {
  std::vector<InputFile> inputs;
  for (const std::string& path : paths) {
    std::string reason;
    switch (KindOfPath(path, reason)) {
      case PathKind::File:
        inputs.push_back({path, true, {}});
        break;
      case PathKind::Folder:
        WalkFolder(path, SeparatorFor(path), true, recursive, inputs);
        break;
      case PathKind::Missing:
        inputs.push_back({path, true, reason});
        break;
      case PathKind::Other:
        inputs.push_back({path, true, kNotAFile});
        break;
    }
  }
  return inputs;
}

}  // namespace vorna
