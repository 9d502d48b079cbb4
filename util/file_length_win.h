#pragma once
// FILELEN: the size of the first file a directory search finds.

#include <cstdint>

namespace vorna {

// The low 32 bits of the size of the first match of `name` (wildcards
// allowed; a folder reports 0), read as a signed 32-bit integer; -1 when
// `name` is null or the search finds nothing. Sizes of 2 GiB and more come
// back as their low 32 bits.
std::int32_t FileLength(const char* name);

}  // namespace vorna
