#pragma once
// The one line rule for report text held in memory: a carriage return ends
// a line and one line feed directly after it is eaten with it; a lone line
// feed is an ordinary byte; the byte 0x1A ends the readable text as the end
// of the buffer does. Lines have no length limit.

#include <cstddef>
#include <string_view>

namespace vorna {

inline constexpr char kEndOfText = '\x1A';

// The part of `bytes` before the first 0x1A (all of it when there is none).
std::string_view ReadableText(std::string_view bytes);

// Reads the lines of a byte buffer one after another. The lines are views
// into the buffer, which must outlive the reader and the lines.
class LineReader {
 public:
  explicit LineReader(std::string_view bytes) : text_(ReadableText(bytes)) {}

  // The next line without its line end; false at the end of the readable
  // text. A text that ends with a line end has no empty line after it.
  bool Next(std::string_view& line);

 private:
  std::string_view text_;
  std::size_t position_ = 0;
};

}  // namespace vorna
