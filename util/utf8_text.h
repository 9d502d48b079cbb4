#pragma once
// Texts of reports and file names as UTF-8 for outputs that require it
// (JSON, CSV, charts drawn with Unicode fonts).

#include <string>
#include <string_view>

namespace vorna {

// True when `bytes` is well-formed UTF-8 (no overlong forms, no surrogates,
// nothing beyond U+10FFFF).
bool IsUtf8(std::string_view bytes);

// `bytes` unchanged when it is well-formed UTF-8; otherwise every byte read
// as Windows-1252 (the system's ANSI text), its five unassigned bytes as the
// Latin-1 control characters of the same value. Never fails; ASCII stays
// as it is.
std::string TextAsUtf8(std::string_view bytes);

}  // namespace vorna
