#pragma once
// The properties every reader of outside bytes must keep, whatever the
// bytes: each check runs one reader over `bytes` and returns what went
// wrong, or empty text when all is well. A crash or a sanitizer report is
// a failure too. The fuzz targets and the replay of tests/data/fuzz/ both
// call these, so an input that once failed is checked the same way forever.

#include <string>
#include <string_view>
#include <vector>

namespace vorna::fuzzing {

using Check = std::string (*)(std::string_view bytes);

struct FuzzTarget {
  const char* name;  // also the folder of its regression files in tests/data/fuzz/
  Check check;
};

// Every target, in the order scripts/fuzz runs them.
const std::vector<FuzzTarget>& FuzzTargets();

// The target called `name`, or nullptr.
const FuzzTarget* FindFuzzTarget(std::string_view name);

}  // namespace vorna::fuzzing
