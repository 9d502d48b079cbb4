#pragma once
// What stands at a path, and the entries of a folder, for walking the
// folders a user names. Never throws; failures carry the system's reason.

#include <string>
#include <vector>

namespace vorna {

enum class PathKind {
  Missing,  // nothing there, or it cannot be examined (see the reason)
  File,     // an ordinary file, also through a link
  Folder,   // a folder, also through a link
  Other,    // a device, pipe, socket...: never opened
};

// The kind of `path`; `reason` gets the system's words when it is Missing.
PathKind KindOfPath(const std::string& path, std::string& reason);

struct FolderEntry {
  std::string Name;  // the name within the folder, no separator
  PathKind Kind = PathKind::Other;
  bool IsLink = false;  // a symbolic link or other reparse point
};

// The entries of the folder at `path`, without "." and "..", in no set
// order. False with the system's reason when the folder cannot be listed.
bool ListFolder(const std::string& path, std::vector<FolderEntry>& entries, std::string& reason);

}  // namespace vorna
