#pragma once
// Which selections the folder browser lets the user confirm.

#include <cstdint>
#include <string>

namespace vorna {

constexpr std::uint32_t kAttributeSystem = 0x4;
constexpr std::uint32_t kAttributeDirectory = 0x10;
constexpr std::uint32_t kAttributesUnreadable = 0xFFFFFFFF;

// True for a folder on a drive: a non-empty path whose attributes could be
// read and carry the directory bit, whose second character is ":", and
// that is not a system folder other than a drive's root (ending in ":\").
bool IsSelectableFolder(const std::string& path, std::uint32_t attributes);

}  // namespace vorna
