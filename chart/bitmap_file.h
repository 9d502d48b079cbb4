#pragma once
// The bitmap file of the chart: an uncompressed 24-bit Windows bitmap with
// a 54-byte header and rows stored bottom-up, each padded to 4 bytes.

#include <cstdint>
#include <string>

namespace vorna {

// Bytes of one pixel row in the file: 3 per pixel, padded to 4.
std::uint32_t BitmapRowSize(std::int32_t width);

// The whole file for `rows`, which hold height rows of BitmapRowSize(width)
// bytes each, bottom row first, blue-green-red per pixel.
std::string BitmapFileBytes(std::int32_t width, std::int32_t height, const unsigned char* rows);

}  // namespace vorna
