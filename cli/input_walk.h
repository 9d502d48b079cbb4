#pragma once
// The files a run analyses: the paths named on the command line, each
// folder replaced by the files in it (and in its subfolders when asked),
// in a sorted, deterministic order.

#include <string>
#include <vector>

namespace vorna {

struct InputFile {
  // The path as named, or the walked folder as named joined with the
  // names below it.
  std::string Path;
  // Named on the command line itself (not found in a folder).
  bool Named = false;
  // Why it cannot be read at all, found before reading (a folder that
  // cannot be listed, a path that is not an ordinary file); else empty.
  std::string Problem;
};

// The inputs for `paths` in command-line order. A folder gives its files
// sorted by name byte for byte; with `recursive`, each subfolder's files
// stand where the subfolder sorts (links to folders are not followed).
// Devices, pipes and sockets inside a folder are left out; named on the
// command line, they and missing paths come back with a Problem.
std::vector<InputFile> WalkInputs(const std::vector<std::string>& paths, bool recursive);

}  // namespace vorna
