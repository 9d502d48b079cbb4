#include "cli/text_table.h"

#include <algorithm>

#include "util/utf8_text.h"

namespace vorna {
namespace {

// Characters on the screen: UTF-8 continuation bytes take no column.
std::size_t Columns(const std::string& text) {
  std::size_t columns = 0;
#ifdef _WIN32
  columns = text.size();
#else
  for (const char c : text) columns += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
#endif
  return columns;
}

}  // namespace

std::string TerminalText(const std::string& text) {
#ifdef _WIN32
  return text;
#else
  return TextAsUtf8(text);
#endif
}

std::string TextTable::Text() const {
  std::vector<std::size_t> widths(aligns_.size(), 0);
  for (const auto& row : rows_) {
    for (std::size_t c = 0; c < row.size(); ++c) {
      const bool spans = row.size() < aligns_.size() && c + 1 == row.size();
      if (!spans) widths[c] = std::max(widths[c], Columns(row[c]));
    }
  }
  std::string text;
  for (const auto& row : rows_) {
    std::string line;
    for (std::size_t c = 0; c < row.size(); ++c) {
      const bool last = c + 1 == row.size();
      const std::size_t pad = widths[c] > Columns(row[c]) ? widths[c] - Columns(row[c]) : 0;
      if (c > 0) line += "  ";
      if (aligns_[c] == Align::Right) line.append(pad, ' ');
      line += row[c];
      if (aligns_[c] == Align::Left && !last) line.append(pad, ' ');
    }
    while (!line.empty() && line.back() == ' ') line.pop_back();
    text += line + "\n";
  }
  return text;
}

}  // namespace vorna
