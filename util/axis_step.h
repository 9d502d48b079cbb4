#pragma once
// A round step for an axis over a range.

namespace vorna {

// The step of the candidate table (0.01, 0.1, 1, 2, 5, 10, 20, 25, 30, 40,
// 50, 75, 100, 150, 200, 400, 500, 1000, 2000, 3000, 5000, 10000, 0.02,
// 0.05, 0.2, 0.5, in this order) that splits |high - low| into the number
// of intervals closest to ten; on a tie the earlier candidate wins. A range
// of 0 gives 0.01. Returns 0 when no candidate comes within 1000000 of ten
// intervals (a range of about 1.00001e10 and more) or the range is not a
// number.
float ChooseStep(float low, float high);

}  // namespace vorna
