#pragma once
// The line rule of line_reader.h over bytes that arrive in fixed-size
// chunks, so that memory does not grow with the report: a CR ending one
// chunk eats the LF that starts the next, 0x1A anywhere ends the text, and
// a line may run across any number of chunks.
//
// A report whose lines end in line feeds alone is read as its conversion
// (every LF replaced by CR LF, one CR LF appended) would be read, without
// the converted text ever being made.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "util/byte_source.h"

namespace vorna {

enum class LineEnds {
  CarriageReturn,  // the bytes as they are
  LineFeedsAlone,  // the bytes converted as report_format.h's ConvertLineEnds does
};

inline constexpr std::size_t kReportChunkBytes = std::size_t{1} << 20;

class ChunkedLineReader {
 public:
  ChunkedLineReader(ByteSource& source, LineEnds ends, std::size_t chunkBytes = kReportChunkBytes);

  // The next line without its line end; false at the end of the readable
  // text or when a read failed (Failed then says so). The line stays valid
  // until the next call.
  bool Next(std::string_view& line);
  bool Failed() const { return failed_; }

 private:
  bool Refill();

  ByteSource& source_;
  const char terminator_;
  const bool eatLineFeed_;
  std::vector<char> chunk_;
  std::size_t begin_ = 0;
  std::size_t end_ = 0;
  std::string carry_;       // the start of a line that runs past the chunk
  bool carryTaken_ = false; // carry_ was handed out as the last line
  bool lineFeedDue_ = false;  // a CR ended the last chunk: eat an LF starting the next
  bool ended_ = false;        // no more bytes: end of the source, 0x1A, or a failed read
  bool finalLineDue_;         // LineFeedsAlone: the appended line end makes a last line
  bool failed_ = false;
};

// True when the bytes of `source`, read to their end, hold no CR and no
// 0x1A (the rule of NeedsLineEndConversion); reading stops at the first of
// either. `failed` is set when a read fails, which ends the search as the
// end of the bytes does.
bool SourceNeedsLineEndConversion(ByteSource& source, bool& failed,
                                  std::size_t chunkBytes = kReportChunkBytes);

}  // namespace vorna
