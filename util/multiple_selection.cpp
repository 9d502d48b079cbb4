#include "util/multiple_selection.h"

#include <vector>

#include "util/file_dialog_buffers.h"

namespace vorna {
namespace {

std::vector<std::string> FieldsAtNuls(const std::string& text) {
  std::vector<std::string> fields;
  std::size_t start = 0;
  for (;;) {
    std::size_t nul = text.find('\0', start);
    fields.push_back(text.substr(start, nul == std::string::npos ? std::string::npos : nul - start));
    if (nul == std::string::npos) return fields;
    start = nul + 1;
  }
}

std::string WithoutTrailingNuls(const std::string& text) {
  std::size_t last = text.find_last_not_of('\0');
  return last == std::string::npos ? std::string() : text.substr(0, last + 1);
}

}  // namespace

std::string FixedTextBuffer(const std::string& text, std::size_t size) {
  std::string buffer = text.substr(0, size - 1);
  buffer.resize(size, '\0');
  return buffer;
}

std::string MultiOpenFilterBuffer(const std::string& filter) {
  // Two NULs at the end of the buffer whatever the filter's length.
  std::string buffer = PlatformFilter(filter).substr(0, kMultiOpenFilterSize - 2);
  buffer.resize(kMultiOpenFilterSize, '\0');
  return buffer;
}

std::string MultiOpenFileBuffer(const std::string& initialName) {
  return FixedTextBuffer(initialName, kMultiOpenFileBufferSize);
}

std::string MultiOpenAnswer(const std::string& buffer, bool chosen, std::size_t fileOffset) {
  if (!chosen || fileOffset == 0 || fileOffset > buffer.size()) return WithoutTrailingNuls(buffer);
  if (buffer[fileOffset - 1] != '\0') return buffer.substr(0, buffer.find('\0'));
  std::size_t end = buffer.find(std::string(2, '\0'), fileOffset - 1);
  return end == std::string::npos ? WithoutTrailingNuls(buffer) : buffer.substr(0, end);
}

MultipleSelection JoinMultipleSelection(const std::string& answer) {
  MultipleSelection selection;
  if (answer.empty()) return selection;
  std::vector<std::string> fields = FieldsAtNuls(answer);
  if (fields.size() == 1) {
    std::size_t backslash = answer.rfind('\\');
    std::string folder = backslash == std::string::npos ? std::string() : answer.substr(0, backslash);
    std::string name = backslash == std::string::npos ? answer : answer.substr(backslash + 1);
    selection.text = folder + "\\?" + name;
    selection.count = 1;
    return selection;
  }
  selection.text = fields.front();
  if (selection.text.empty() || selection.text.back() != '\\') selection.text += '\\';
  for (std::size_t i = 1; i < fields.size(); ++i) selection.text += '?' + fields[i];
  selection.count = static_cast<std::int32_t>(fields.size() - 1);
  return selection;
}

}  // namespace vorna
