// Win32 new-file writer: created with CREATE_NEW and share mode 0, like
// every file of the system.
#include <windows.h>

#include <algorithm>

#include "util/new_file_writer.h"
#include "win/win_handles_win.h"

namespace vorna {

struct NewFileWriter::Handle {
  ScopedHandle file;
};

NewFileWriter::NewFileWriter(const std::string& path) : handle_(std::make_unique<Handle>()) {
  handle_->file = ScopedHandle(
      CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr));
}

NewFileWriter::~NewFileWriter() = default;

bool NewFileWriter::IsOpen() const { return handle_->file.valid(); }

bool NewFileWriter::Write(const char* bytes, std::size_t size) {
  if (!IsOpen()) return false;
  while (size > 0) {
    const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(size, 1u << 24));
    DWORD written = 0;
    if (!WriteFile(handle_->file.get(), bytes, chunk, &written, nullptr) || written == 0) return false;
    bytes += written;
    size -= written;
  }
  return true;
}

}  // namespace vorna
