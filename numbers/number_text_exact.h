#pragma once
// For the number rules' own file and its tests only: the text number read
// without the fast conversion of short decimal texts, so that the fast
// results can be checked against the big-integer conversion.

#include <string_view>

namespace vorna {

// TextNumber, always through the exact big-integer conversion; the same
// grammar and the same results.
double TextNumberExact(std::string_view text);

}  // namespace vorna
