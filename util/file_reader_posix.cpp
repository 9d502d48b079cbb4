// POSIX file reader for the portable build.
#include "util/file_reader.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace vorna {

struct FileReader::Handle {
  int descriptor = -1;
};

FileReader::FileReader(const std::string& path) : handle_(std::make_unique<Handle>()) {
  std::string posixPath = path;
  std::replace(posixPath.begin(), posixPath.end(), '\\', '/');
  handle_->descriptor = open(posixPath.c_str(), O_RDONLY);
  if (handle_->descriptor < 0) error_ = std::strerror(errno);
}

FileReader::~FileReader() {
  if (handle_->descriptor >= 0) close(handle_->descriptor);
}

bool FileReader::IsOpen() const { return handle_->descriptor >= 0; }

std::int64_t FileReader::Read(char* buffer, std::size_t capacity) {
  if (!IsOpen()) return -1;
  for (;;) {
    const ssize_t got = read(handle_->descriptor, buffer, capacity);
    if (got >= 0) return got;
    if (errno == EINTR) continue;
    error_ = std::strerror(errno);
    return -1;
  }
}

}  // namespace vorna
