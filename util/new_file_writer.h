#pragma once
// A file created where nothing stands yet and written a piece at a time,
// without sharing; closed when the writer goes. Memory does not grow with
// the file.

#include <cstddef>
#include <memory>
#include <string>

namespace vorna {

class NewFileWriter {
 public:
  // Creates `path` only when nothing stands there yet (never touching what
  // does); see IsOpen.
  explicit NewFileWriter(const std::string& path);
  ~NewFileWriter();
  NewFileWriter(const NewFileWriter&) = delete;
  NewFileWriter& operator=(const NewFileWriter&) = delete;

  bool IsOpen() const;
  // Appends `size` bytes; false when they could not all be written.
  bool Write(const char* bytes, std::size_t size);

 private:
  struct Handle;
  std::unique_ptr<Handle> handle_;
};

}  // namespace vorna
