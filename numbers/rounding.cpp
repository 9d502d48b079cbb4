#include "numbers/rounding.h"

#include <cmath>
#include <limits>

namespace vorna {

std::int32_t NearestInt32(double value) {
  if (std::isnan(value)) return 0;
  double rounded = std::nearbyint(value);  // default mode: halves to even
  if (rounded >= 2147483647.0) return std::numeric_limits<std::int32_t>::max();
  if (rounded <= -2147483648.0) return std::numeric_limits<std::int32_t>::min();
  return static_cast<std::int32_t>(rounded);
}

}  // namespace vorna
