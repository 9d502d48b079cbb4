// POSIX new-file writer for the portable build.
#include "util/new_file_writer.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

namespace vorna {

struct NewFileWriter::Handle {
  int descriptor = -1;
};

NewFileWriter::NewFileWriter(const std::string& path) : handle_(std::make_unique<Handle>()) {
  std::string posixPath = path;
  std::replace(posixPath.begin(), posixPath.end(), '\\', '/');
  handle_->descriptor = open(posixPath.c_str(), O_WRONLY | O_CREAT | O_EXCL, 0644);
}

NewFileWriter::~NewFileWriter() {
  if (handle_->descriptor >= 0) close(handle_->descriptor);
}

bool NewFileWriter::IsOpen() const { return handle_->descriptor >= 0; }

bool NewFileWriter::Write(const char* bytes, std::size_t size) {
  if (!IsOpen()) return false;
  while (size > 0) {
    const ssize_t written = write(handle_->descriptor, bytes, size);
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) return false;
    bytes += written;
    size -= static_cast<std::size_t>(written);
  }
  return true;
}

}  // namespace vorna
