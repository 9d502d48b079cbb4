// Win32 file reader: opened with share mode 0, like every file of the system.
#include <windows.h>

#include <algorithm>

#include "util/file_reader.h"
#include "util/system_error_text_win.h"
#include "win/win_handles_win.h"

namespace vorna {
struct FileReader::Handle {
  ScopedHandle file;
};

FileReader::FileReader(const std::string& path) : handle_(std::make_unique<Handle>()) {
  std::string windowsPath = path;
  std::replace(windowsPath.begin(), windowsPath.end(), '/', '\\');
  handle_->file = ScopedHandle(CreateFileA(windowsPath.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                                           FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!handle_->file.valid()) error_ = SystemErrorText();
}

FileReader::~FileReader() = default;

bool FileReader::IsOpen() const { return handle_->file.valid(); }

std::int64_t FileReader::Read(char* buffer, std::size_t capacity) {
  if (!IsOpen()) return -1;
  DWORD got = 0;
  const DWORD wanted = static_cast<DWORD>(std::min<std::size_t>(capacity, 1u << 30));
  if (!ReadFile(handle_->file.get(), buffer, wanted, &got, nullptr)) {
    error_ = SystemErrorText();
    return -1;
  }
  return got;
}

}  // namespace vorna
