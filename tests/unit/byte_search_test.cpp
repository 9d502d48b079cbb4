#include "util/byte_search.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace vorna {
namespace {

// Every start and length within a buffer holding the wanted byte at a few
// places, beside bytes one above and below it and bytes with the high bit
// set, against memchr.
TEST(FindByte, FindsTheFirstMatchLikeMemchrAtEveryAlignmentAndLength) {
  for (const char wanted : {'\r', '\x1A', '\n', '\0', '\xFF', '\x80'}) {
    std::string buffer(40, 'x');
    for (std::size_t index = 0; index < buffer.size(); ++index) {
      buffer[index] = "\x7F\x81\x01 ab"[index % 6];
      if (index % 7 == 3) buffer[index] = static_cast<char>(wanted + 1);
      if (index % 7 == 5) buffer[index] = static_cast<char>(wanted - 1);
    }
    buffer[13] = wanted;
    buffer[31] = wanted;
    for (std::size_t begin = 0; begin <= buffer.size(); ++begin) {
      for (std::size_t end = begin; end <= buffer.size(); ++end) {
        const char* first = buffer.data() + begin;
        const char* last = buffer.data() + end;
        const void* expected = std::memchr(first, wanted, end - begin);
        ASSERT_EQ(FindByte(first, last, wanted), expected == nullptr ? last : static_cast<const char*>(expected))
            << "byte " << int(static_cast<unsigned char>(wanted)) << " in [" << begin << ", " << end << ")";
      }
    }
  }
}

}  // namespace
}  // namespace vorna
