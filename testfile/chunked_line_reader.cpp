#include "testfile/chunked_line_reader.h"

#include <cstring>

#include "testfile/line_reader.h"
#include "util/byte_search.h"

namespace vorna {

ChunkedLineReader::ChunkedLineReader(ByteSource& source, LineEnds ends, std::size_t chunkBytes)
    : source_(source),
      terminator_(ends == LineEnds::CarriageReturn ? '\r' : '\n'),
      eatLineFeed_(ends == LineEnds::CarriageReturn),
      chunk_(chunkBytes == 0 ? 1 : chunkBytes),
      finalLineDue_(ends == LineEnds::LineFeedsAlone) {}

bool ChunkedLineReader::Refill() {
  begin_ = end_ = 0;
  if (ended_) return false;
  const std::int64_t got = source_.Read(chunk_.data(), chunk_.size());
  if (got <= 0) {
    failed_ = got < 0;
    ended_ = true;
    return false;
  }
  end_ = static_cast<std::size_t>(got);
  const char* const stop = FindByte(chunk_.data(), chunk_.data() + end_, kEndOfText);
  if (stop != chunk_.data() + end_) {
    end_ = static_cast<std::size_t>(stop - chunk_.data());
    ended_ = true;
  }
  if (lineFeedDue_ && end_ > 0) {
    lineFeedDue_ = false;
    if (chunk_[0] == '\n') begin_ = 1;
  }
  return true;
}

bool ChunkedLineReader::Next(std::string_view& line) {
  if (carryTaken_) {
    carry_.clear();
    carryTaken_ = false;
  }
  for (;;) {
    if (begin_ < end_) {
      const char* start = chunk_.data() + begin_;
      const char* const found = FindByte(start, chunk_.data() + end_, terminator_);
      if (found != chunk_.data() + end_) {
        const std::size_t length = static_cast<std::size_t>(found - start);
        if (carry_.empty()) {
          line = std::string_view(start, length);
        } else {
          carry_.append(start, length);
          line = carry_;
          carryTaken_ = true;
        }
        begin_ += length + 1;
        if (eatLineFeed_) {
          if (begin_ < end_) {
            if (chunk_[begin_] == '\n') ++begin_;
          } else {
            lineFeedDue_ = true;
          }
        }
        return true;
      }
      carry_.append(start, end_ - begin_);
      begin_ = end_;
    }
    if (Refill()) continue;
    // The end: a line without its line end, or the converted text's last one.
    if (!carry_.empty() || finalLineDue_) {
      finalLineDue_ = false;
      line = carry_;
      carryTaken_ = true;
      return true;
    }
    return false;
  }
}

bool SourceNeedsLineEndConversion(ByteSource& source, bool& failed, std::size_t chunkBytes) {
  std::vector<char> chunk(chunkBytes == 0 ? 1 : chunkBytes);
  failed = false;
  for (;;) {
    const std::int64_t got = source.Read(chunk.data(), chunk.size());
    if (got <= 0) {
      failed = got < 0;
      return true;
    }
    const std::size_t size = static_cast<std::size_t>(got);
    const char* const end = chunk.data() + size;
    if (FindByte(chunk.data(), end, '\r') != end || FindByte(chunk.data(), end, kEndOfText) != end) {
      return false;
    }
  }
}

}  // namespace vorna
