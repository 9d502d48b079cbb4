#include "util/file_length_win.h"

#include <windows.h>

#include <cstring>

namespace vorna {

std::int32_t FileLength(const char* name) {
  if (name == nullptr) return -1;
  WIN32_FIND_DATAA found{};
  const HANDLE search = FindFirstFileA(name, &found);
  if (search == INVALID_HANDLE_VALUE) return -1;
  FindClose(search);
  const std::uint32_t low = found.nFileSizeLow;
  std::int32_t length = 0;
  std::memcpy(&length, &low, sizeof(length));
  return length;
}

}  // namespace vorna
