#pragma once
// The exit codes a script can rely on.

namespace vorna {

inline constexpr int kExitInSpecification = 0;      // every analysed report fully in specification
inline constexpr int kExitOutOfSpecification = 1;   // some channel out of specification
inline constexpr int kExitFailed = 2;               // an input could not be analysed, or no report found
inline constexpr int kExitUsage = 64;               // the command line itself is wrong

}  // namespace vorna
