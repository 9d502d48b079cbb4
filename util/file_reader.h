#pragma once
// A file read from start to end in chunks: opened for reading without
// sharing, closed when the reader goes. Memory does not grow with the file.
// Failures carry the system's own words for the reason.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include "util/byte_source.h"

namespace vorna {

class FileReader : public ByteSource {
 public:
  // Opens `path` (backslashes or slashes); see IsOpen and Error.
  explicit FileReader(const std::string& path);
  ~FileReader() override;
  FileReader(const FileReader&) = delete;
  FileReader& operator=(const FileReader&) = delete;

  bool IsOpen() const;
  // Reads up to `capacity` bytes into `buffer`: the number read, 0 at the
  // end of the file, -1 on failure (Error then says why). A folder opens on
  // some systems and fails at its first read.
  std::int64_t Read(char* buffer, std::size_t capacity) override;
  // Why opening or the last read failed; empty while nothing failed.
  const std::string& Error() const { return error_; }

 private:
  struct Handle;
  std::unique_ptr<Handle> handle_;
  std::string error_;
};

}  // namespace vorna
