// Win32 file reader: opened with share mode 0, like every file of the system.
#include <windows.h>

#include <algorithm>

#include "util/file_reader.h"
#include "win/win_handles_win.h"

namespace vorna {
namespace {

// The system's text for the calling thread's last error, without its line end.
std::string LastErrorText() {
  const DWORD code = GetLastError();
  char* text = nullptr;
  const DWORD length = FormatMessageA(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
      nullptr, code, 0, reinterpret_cast<char*>(&text), 0, nullptr);
  std::string result = length > 0 ? std::string(text, length) : "Windows error " + std::to_string(code);
  if (text != nullptr) LocalFree(text);
  while (!result.empty() && (result.back() == '\r' || result.back() == '\n' || result.back() == ' ')) {
    result.pop_back();
  }
  return result;
}

}  // namespace

struct FileReader::Handle {
  ScopedHandle file;
};

FileReader::FileReader(const std::string& path) : handle_(std::make_unique<Handle>()) {
  std::string windowsPath = path;
  std::replace(windowsPath.begin(), windowsPath.end(), '/', '\\');
  handle_->file = ScopedHandle(CreateFileA(windowsPath.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                                           FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!handle_->file.valid()) error_ = LastErrorText();
}

FileReader::~FileReader() = default;

bool FileReader::IsOpen() const { return handle_->file.valid(); }

std::int64_t FileReader::Read(char* buffer, std::size_t capacity) {
  if (!IsOpen()) return -1;
  DWORD got = 0;
  const DWORD wanted = static_cast<DWORD>(std::min<std::size_t>(capacity, 1u << 30));
  if (!ReadFile(handle_->file.get(), buffer, wanted, &got, nullptr)) {
    error_ = LastErrorText();
    return -1;
  }
  return got;
}

}  // namespace vorna
