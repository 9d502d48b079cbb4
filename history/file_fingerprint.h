#pragma once
// The fingerprint by which the history knows a report it has seen.

#include <string>

namespace vorna {

// The SHA-256 of the file's bytes as 64 lower-case hexadecimal digits, read
// in chunks; empty when the file cannot be read.
std::string FileFingerprint(const std::string& path);

}  // namespace vorna
