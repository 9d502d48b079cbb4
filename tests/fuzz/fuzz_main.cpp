// One libFuzzer target: VORNA_FUZZ_TARGET names the check it runs.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "tests/fuzz/fuzz_checks.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const vorna::fuzzing::FuzzTarget* target = vorna::fuzzing::FindFuzzTarget(VORNA_FUZZ_TARGET);
  if (target == nullptr) std::abort();
  const std::string failure = target->check(std::string_view(reinterpret_cast<const char*>(data), size));
  if (!failure.empty()) {
    std::fprintf(stderr, "%s: %s\n", VORNA_FUZZ_TARGET, failure.c_str());
    std::abort();
  }
  return 0;
}
