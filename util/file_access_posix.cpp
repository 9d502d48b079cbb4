// POSIX implementation of the file operations, for the portable build.
#include "util/file_access.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <climits>
#include <vector>

namespace vorna {
namespace {

std::string PosixPath(std::string path) {
  std::replace(path.begin(), path.end(), '\\', '/');
  return path;
}

class FileDescriptor {
 public:
  explicit FileDescriptor(int descriptor) : descriptor_(descriptor) {}
  ~FileDescriptor() {
    if (descriptor_ >= 0) close(descriptor_);
  }
  FileDescriptor(const FileDescriptor&) = delete;
  FileDescriptor& operator=(const FileDescriptor&) = delete;
  int get() const { return descriptor_; }
  bool valid() const { return descriptor_ >= 0; }

 private:
  int descriptor_;
};

bool WriteAll(int descriptor, const std::string& bytes) {
  std::size_t done = 0;
  while (done < bytes.size()) {
    ssize_t written = write(descriptor, bytes.data() + done, bytes.size() - done);
    if (written <= 0) return false;
    done += static_cast<std::size_t>(written);
  }
  return true;
}

}  // namespace

std::string ReadWholeFile(const std::string& path) {
  FileDescriptor file(open(PosixPath(path).c_str(), O_RDONLY));
  if (!file.valid()) return {};
  struct stat status {};
  if (fstat(file.get(), &status) != 0 || !S_ISREG(status.st_mode)) return {};
  std::string bytes;
  bytes.reserve(static_cast<std::size_t>(status.st_size));
  std::vector<char> chunk(1 << 16);
  for (;;) {
    ssize_t got = read(file.get(), chunk.data(), chunk.size());
    if (got < 0) return {};
    if (got == 0) break;
    bytes.append(chunk.data(), static_cast<std::size_t>(got));
  }
  return bytes;
}

std::string ReadFileStart(const std::string& path, std::size_t maxBytes) {
  FileDescriptor file(open(PosixPath(path).c_str(), O_RDONLY));
  if (!file.valid()) return {};
  std::string bytes(maxBytes, '\0');
  std::size_t done = 0;
  while (done < maxBytes) {
    const ssize_t got = read(file.get(), bytes.data() + done, maxBytes - done);
    if (got < 0) return {};
    if (got == 0) break;
    done += static_cast<std::size_t>(got);
  }
  bytes.resize(done);
  return bytes;
}

bool WriteWholeFile(const std::string& path, const std::string& bytes) {
  FileDescriptor file(open(PosixPath(path).c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644));
  return file.valid() && WriteAll(file.get(), bytes);
}

bool WriteNewFile(const std::string& path, const std::string& bytes) {
  const std::string posixPath = PosixPath(path);
  bool written = false;
  {
    FileDescriptor file(open(posixPath.c_str(), O_WRONLY | O_CREAT | O_EXCL, 0644));
    if (!file.valid()) return false;
    written = WriteAll(file.get(), bytes);
  }
  if (!written) unlink(posixPath.c_str());
  return written;
}

bool WriteAtOffset(const std::string& path, std::uint32_t offset, const std::string& bytes) {
  FileDescriptor file(open(PosixPath(path).c_str(), O_RDWR | O_CREAT, 0644));
  if (!file.valid()) return false;
  if (lseek(file.get(), static_cast<off_t>(offset), SEEK_SET) < 0) return false;
  return WriteAll(file.get(), bytes);
}

bool IsOrdinaryFile(const std::string& path) {
  struct stat status {};
  return stat(PosixPath(path).c_str(), &status) == 0 && S_ISREG(status.st_mode);
}

std::optional<bool> IsReadOnly(const std::string& path) {
  struct stat status {};
  if (stat(PosixPath(path).c_str(), &status) != 0) return std::nullopt;
  return (status.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0;
}

bool DeleteFileAt(const std::string& path) { return unlink(PosixPath(path).c_str()) == 0; }

std::string CurrentDirectory() {
  std::vector<char> buffer(PATH_MAX + 1);
  if (getcwd(buffer.data(), buffer.size()) == nullptr) return {};
  return buffer.data();
}

}  // namespace vorna
