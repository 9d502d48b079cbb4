#pragma once
// The command's name and version, as --version and the JSON document give them.

namespace vorna {

inline constexpr const char* kProgramName = "vorna-analyse";
inline constexpr const char* kProgramVersion = "1.0.0";

}  // namespace vorna
