#include "util/text_helpers.h"

namespace vorna {

std::string TrimBlanks(std::string_view text) {
  std::size_t first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  std::size_t last = text.find_last_not_of(' ');
  return std::string(text.substr(first, last - first + 1));
}

std::string ReplaceAll(std::string_view text, std::string_view from, std::string_view to) {
  if (from.empty()) return std::string(text);
  std::string result;
  result.reserve(text.size());
  std::size_t start = 0;
  for (std::size_t found; (found = text.find(from, start)) != std::string_view::npos;) {
    result.append(text.substr(start, found - start));
    result.append(to);
    start = found + from.size();
  }
  result.append(text.substr(start));
  return result;
}

std::string UpperCase(std::string_view text) {
  std::string result(text);
  for (char& c : result) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  return result;
}

std::string PadOut(std::string& text, std::int32_t width) {
  text = TrimBlanks(text);
  const std::size_t wanted = width > 0 ? static_cast<std::size_t>(width) : 0;
  text.resize(wanted, ' ');
  return text;
}

}  // namespace vorna
