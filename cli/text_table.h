#pragma once
// Text laid out in columns for the terminal, as the command's tables show it.

#include <string>
#include <vector>

namespace vorna {

// Texts of the terminal: UTF-8 here; the Windows console shows the
// system's ANSI bytes as they are.
std::string TerminalText(const std::string& text);

enum class Align { Left, Right };

// Rows of cells laid out in columns two blanks apart; a row with fewer
// cells than columns ends early, and its last cell may run past its column.
class TextTable {
 public:
  explicit TextTable(std::vector<Align> aligns) : aligns_(std::move(aligns)) {}
  void Add(std::vector<std::string> cells) { rows_.push_back(std::move(cells)); }
  // Every row as one line ending in a line feed, without trailing blanks.
  std::string Text() const;

 private:
  std::vector<Align> aligns_;
  std::vector<std::vector<std::string>> rows_;
};

}  // namespace vorna
