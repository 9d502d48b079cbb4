#pragma once
// Float-to-integer conversion: nearest, halves to the even neighbour.

#include <cstdint>

namespace vorna {

// The nearest 32-bit integer, halves to even. A value beyond the 32-bit
// range gives the nearest end of that range and NaN gives 0, so no
// conversion wraps or traps.
std::int32_t NearestInt32(double value);

}  // namespace vorna
