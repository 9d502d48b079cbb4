#pragma once
// The shortest decimal text of a single-precision value that reads back to
// the same value: the numbers of the command line's JSON and CSV outputs.

#include <string>

namespace vorna {

// The fewest significant digits that round-trip through float, in plain
// notation where that is shortest and exponent notation otherwise
// (905.2 -> "905.2", not "905.200012"; 1e+30 -> "1e+30"). Non-finite
// values give "inf", "-inf" or "nan".
std::string ShortestFloatText(float value);

}  // namespace vorna
