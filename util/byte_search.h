#pragma once
// Finding one byte value in a run of bytes, eight at a time. The C
// runtime's memchr of the Windows builds goes a byte at a time, and the
// analysis calls this for every line of a report.

#include <cstddef>
#include <cstdint>
#include <cstring>

namespace vorna {

// The first byte equal to `wanted` in [begin, end), or `end` when none is.
inline const char* FindByte(const char* begin, const char* end, char wanted) {
  constexpr std::uint64_t kOnes = 0x0101010101010101u;
  constexpr std::uint64_t kHighBits = 0x8080808080808080u;
  const std::uint64_t pattern = kOnes * static_cast<unsigned char>(wanted);
  while (end - begin >= 8) {
    std::uint64_t word;
    std::memcpy(&word, begin, sizeof word);
    const std::uint64_t difference = word ^ pattern;
    // Non-zero exactly when some byte of `difference` is zero.
    if (((difference - kOnes) & ~difference & kHighBits) != 0) break;
    begin += 8;
  }
  while (begin != end && *begin != wanted) ++begin;
  return begin;
}

}  // namespace vorna
