#include "testfile/line_reader.h"

namespace vorna {

std::string_view ReadableText(std::string_view bytes) {
  const std::size_t end = bytes.find(kEndOfText);
  return end == std::string_view::npos ? bytes : bytes.substr(0, end);
}

bool LineReader::Next(std::string_view& line) {
  if (position_ >= text_.size()) return false;
  const std::size_t end = text_.find('\r', position_);
  if (end == std::string_view::npos) {
    line = text_.substr(position_);
    position_ = text_.size();
    return true;
  }
  line = text_.substr(position_, end - position_);
  position_ = end + 1;
  if (position_ < text_.size() && text_[position_] == '\n') ++position_;
  return true;
}

}  // namespace vorna
