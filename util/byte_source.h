#pragma once
// Something bytes are read from in order, a piece at a time: a file, or
// bytes already in memory.

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>

namespace vorna {

class ByteSource {
 public:
  virtual ~ByteSource() = default;
  // Reads up to `capacity` bytes into `buffer`: the number read, 0 at the
  // end, -1 on failure.
  virtual std::int64_t Read(char* buffer, std::size_t capacity) = 0;
};

// Bytes held by the caller, handed out in order; they must outlive it.
class MemorySource : public ByteSource {
 public:
  explicit MemorySource(std::string_view bytes) : rest_(bytes) {}
  std::int64_t Read(char* buffer, std::size_t capacity) override {
    const std::size_t count = capacity < rest_.size() ? capacity : rest_.size();
    if (count > 0) std::memcpy(buffer, rest_.data(), count);
    rest_.remove_prefix(count);
    return static_cast<std::int64_t>(count);
  }

 private:
  std::string_view rest_;
};

}  // namespace vorna
