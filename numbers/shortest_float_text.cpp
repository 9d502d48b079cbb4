#include "numbers/shortest_float_text.h"

#include <charconv>

namespace vorna {

std::string ShortestFloatText(float value) {
  // The C++17 shortest round-trip form: identical texts in every build.
  char buffer[64];
  const std::to_chars_result written = std::to_chars(buffer, buffer + sizeof buffer, value);
  return std::string(buffer, written.ptr);
}

}  // namespace vorna
