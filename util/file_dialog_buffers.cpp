#include "util/file_dialog_buffers.h"

#include <algorithm>

namespace vorna {

std::string PlatformFilter(const std::string& filter) {
  std::string converted = filter;
  std::replace(converted.begin(), converted.end(), '|', '\0');
  converted.push_back('\0');
  return converted;
}

std::string OpenFileBuffer(const std::string& initialName) {
  std::size_t nul = initialName.find('\0');
  std::string buffer = nul == std::string::npos ? initialName + '\0' : initialName.substr(0, nul + 1);
  if (buffer.size() < kOpenFileBufferSize) buffer.resize(kOpenFileBufferSize, ' ');
  return buffer;
}

std::string SaveFileBuffer(const std::string& initialName) {
  std::string name = initialName.substr(0, kSaveFileNameLimit);
  std::size_t nul = name.find('\0');
  if (nul != std::string::npos) {
    std::string buffer = name.substr(0, nul + 1);
    buffer.resize(kSaveFileNameLimit, ' ');
    return buffer;
  }
  return name + '\0' + std::string(kSaveFileNameLimit - name.size(), ' ');
}

std::string OpenAnswer(const std::string& buffer) {
  std::size_t nul = buffer.rfind('\0');
  return nul == std::string::npos ? std::string() : buffer.substr(0, nul);
}

std::string SaveAnswer(const std::string& buffer) {
  std::size_t nul = buffer.find('\0');
  return nul == std::string::npos ? std::string() : buffer.substr(0, nul);
}

}  // namespace vorna
