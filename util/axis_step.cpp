#include "util/axis_step.h"

#include <cmath>

namespace vorna {
namespace {

// The small steps come last: a range that two candidates split equally
// well keeps the one listed first.
constexpr float kCandidateSteps[26] = {0.01f, 0.1f,  1,    2,     5,     10,    20,
                                       25,    30,    40,   50,    75,    100,   150,
                                       200,   400,   500,  1000,  2000,  3000,  5000,
                                       10000, 0.02f, 0.05f, 0.2f, 0.5f};

}  // namespace

float ChooseStep(float low, float high) {
  float range = std::fabs(high - low);
  double bestDistance = 1000000.0;
  float chosen = 0;
  for (float step : kCandidateSteps) {
    // The quotient is compared as it is, without rounding it to single first.
    double distance = std::fabs(10.0 - static_cast<double>(range) / step);
    if (distance < bestDistance) {
      bestDistance = distance;
      chosen = step;
    }
  }
  return chosen;
}

}  // namespace vorna
