#pragma once
// Small text helpers shared by every subsystem. A blank is 0x20 only.

#include <cstdint>
#include <string>
#include <string_view>

namespace vorna {

// Removes leading and trailing blanks (0x20) and nothing else.
std::string TrimBlanks(std::string_view text);

// Replaces every occurrence of `from` in one left-to-right pass.
std::string ReplaceAll(std::string_view text, std::string_view from, std::string_view to);

// ASCII upper case; other bytes unchanged.
std::string UpperCase(std::string_view text);

// Trims blanks from both ends of `text`, then cuts it to its first `width`
// characters or pads it with blanks to `width` characters. The result is
// written back into `text` and also returned; it is always exactly `width`
// characters long. A width of 0 or less gives the empty text.
std::string PadOut(std::string& text, std::int32_t width);

}  // namespace vorna
