// Win32 implementation of the file operations: every file is opened with
// share mode 0 and closed before the call returns.
#include <windows.h>

#include <algorithm>
#include <vector>

#include "util/file_access.h"
#include "win/win_handles_win.h"

namespace vorna {
namespace {

ScopedHandle OpenUnshared(const std::string& path, DWORD access, DWORD disposition) {
  return ScopedHandle(CreateFileA(path.c_str(), access, 0, nullptr, disposition,
                                  FILE_ATTRIBUTE_NORMAL, nullptr));
}

bool WriteAll(HANDLE file, const std::string& bytes) {
  std::size_t done = 0;
  while (done < bytes.size()) {
    DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - done, 1u << 24));
    DWORD written = 0;
    if (!WriteFile(file, bytes.data() + done, chunk, &written, nullptr) || written == 0) {
      return false;
    }
    done += written;
  }
  return true;
}

}  // namespace

std::string ReadWholeFile(const std::string& path) {
  ScopedHandle file = OpenUnshared(path, GENERIC_READ, OPEN_EXISTING);
  if (!file.valid()) return {};
  LARGE_INTEGER size{};
  if (!GetFileSizeEx(file.get(), &size) || size.QuadPart < 0) return {};
  std::string bytes;
  if (static_cast<unsigned long long>(size.QuadPart) < bytes.max_size()) {
    bytes.reserve(static_cast<std::size_t>(size.QuadPart));
  }
  std::vector<char> chunk(1 << 16);
  for (;;) {
    DWORD got = 0;
    if (!ReadFile(file.get(), chunk.data(), static_cast<DWORD>(chunk.size()), &got, nullptr)) {
      return {};
    }
    if (got == 0) break;
    bytes.append(chunk.data(), got);
  }
  return bytes;
}

std::string ReadFileStart(const std::string& path, std::size_t maxBytes) {
  ScopedHandle file = OpenUnshared(path, GENERIC_READ, OPEN_EXISTING);
  if (!file.valid()) return {};
  std::string bytes(maxBytes, '\0');
  std::size_t done = 0;
  while (done < maxBytes) {
    DWORD got = 0;
    const DWORD wanted = static_cast<DWORD>(std::min<std::size_t>(maxBytes - done, 1u << 24));
    if (!ReadFile(file.get(), bytes.data() + done, wanted, &got, nullptr)) return {};
    if (got == 0) break;
    done += got;
  }
  bytes.resize(done);
  return bytes;
}

bool WriteWholeFile(const std::string& path, const std::string& bytes) {
  ScopedHandle file = OpenUnshared(path, GENERIC_WRITE, CREATE_ALWAYS);
  return file.valid() && WriteAll(file.get(), bytes);
}

bool WriteNewFile(const std::string& path, const std::string& bytes) {
  bool written = false;
  {
    ScopedHandle file = OpenUnshared(path, GENERIC_WRITE, CREATE_NEW);
    if (!file.valid()) return false;
    written = WriteAll(file.get(), bytes);
  }
  if (!written) DeleteFileA(path.c_str());
  return written;
}

bool WriteAtOffset(const std::string& path, std::uint32_t offset, const std::string& bytes) {
  ScopedHandle file = OpenUnshared(path, GENERIC_READ | GENERIC_WRITE, OPEN_ALWAYS);
  if (!file.valid()) return false;
  LARGE_INTEGER position{};
  position.QuadPart = offset;
  if (!SetFilePointerEx(file.get(), position, nullptr, FILE_BEGIN)) return false;
  return WriteAll(file.get(), bytes);
}

bool IsOrdinaryFile(const std::string& path) {
  WIN32_FIND_DATAA found{};
  HANDLE search = FindFirstFileA(path.c_str(), &found);
  ScopedFind owner(search);
  if (!owner.valid()) return false;
  const DWORD excluded = FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;
  return (found.dwFileAttributes & excluded) == 0;
}

std::optional<bool> IsReadOnly(const std::string& path) {
  DWORD attributes = GetFileAttributesA(path.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) return std::nullopt;
  return (attributes & FILE_ATTRIBUTE_READONLY) != 0;
}

bool DeleteFileAt(const std::string& path) { return DeleteFileA(path.c_str()) != 0; }

std::string CurrentDirectory() {
  DWORD needed = GetCurrentDirectoryA(0, nullptr);
  if (needed == 0) return {};
  std::vector<char> buffer(needed + 1);
  DWORD length = GetCurrentDirectoryA(static_cast<DWORD>(buffer.size()), buffer.data());
  if (length == 0 || length >= buffer.size()) return {};
  return std::string(buffer.data(), length);
}

}  // namespace vorna
