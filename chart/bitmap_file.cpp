#include "chart/bitmap_file.h"

namespace vorna {
namespace {

void Put16(std::string& bytes, std::uint16_t value) {
  bytes.push_back(static_cast<char>(value & 0xFF));
  bytes.push_back(static_cast<char>(value >> 8));
}

void Put32(std::string& bytes, std::uint32_t value) {
  for (int shift = 0; shift < 32; shift += 8) bytes.push_back(static_cast<char>(value >> shift));
}

constexpr std::uint32_t kHeaderSize = 54;

}  // namespace

std::uint32_t BitmapRowSize(std::int32_t width) {
  return (static_cast<std::uint32_t>(width) * 3 + 3) / 4 * 4;
}

std::string BitmapFileBytes(std::int32_t width, std::int32_t height, const unsigned char* rows) {
  const std::uint32_t pixelBytes = BitmapRowSize(width) * static_cast<std::uint32_t>(height);
  std::string bytes;
  bytes.reserve(kHeaderSize + pixelBytes);
  bytes += "BM";
  Put32(bytes, kHeaderSize + pixelBytes);
  Put32(bytes, 0);            // reserved
  Put32(bytes, kHeaderSize);  // offset of the pixels
  Put32(bytes, 40);           // information header size
  Put32(bytes, static_cast<std::uint32_t>(width));
  Put32(bytes, static_cast<std::uint32_t>(height));  // positive: bottom-up
  Put16(bytes, 1);                                   // planes
  Put16(bytes, 24);                                  // bits per pixel
  for (int field = 0; field < 6; ++field) Put32(bytes, 0);  // no compression, sizes, colours
  bytes.append(reinterpret_cast<const char*>(rows), pixelBytes);
  return bytes;
}

}  // namespace vorna
