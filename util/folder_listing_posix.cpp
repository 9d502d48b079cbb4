// Folder listing for the portable build.
#include <dirent.h>
#include <sys/stat.h>

#include <cerrno>
#include <cstring>

#include "util/folder_listing.h"

namespace vorna {
namespace {

PathKind KindOf(const struct stat& status) {
  if (S_ISREG(status.st_mode)) return PathKind::File;
  if (S_ISDIR(status.st_mode)) return PathKind::Folder;
  return PathKind::Other;
}

}  // namespace

PathKind KindOfPath(const std::string& path, std::string& reason) {
  struct stat status {};
  if (stat(path.c_str(), &status) != 0) {
    reason = std::strerror(errno);
    return PathKind::Missing;
  }
  return KindOf(status);
}

bool ListFolder(const std::string& path, std::vector<FolderEntry>& entries, std::string& reason) {
  DIR* folder = opendir(path.c_str());
  if (folder == nullptr) {
    reason = std::strerror(errno);
    return false;
  }
  const std::string prefix = path.empty() || path.back() == '/' ? path : path + "/";
  errno = 0;
  while (const dirent* entry = readdir(folder)) {
    const std::string name = entry->d_name;
    if (name == "." || name == "..") continue;
    FolderEntry item;
    item.Name = name;
    struct stat status {};
    if (lstat((prefix + name).c_str(), &status) == 0 && S_ISLNK(status.st_mode)) item.IsLink = true;
    std::string ignored;
    item.Kind = KindOfPath(prefix + name, ignored);
    entries.push_back(std::move(item));
  }
  const bool ok = errno == 0;
  if (!ok) reason = std::strerror(errno);
  closedir(folder);
  return ok;
}

}  // namespace vorna
