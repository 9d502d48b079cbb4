#pragma once
// Test dates as reports give them ("DD-MM-YYYY") and in an order that
// sorts as text ("YYYY-MM-DD").

#include <string>

namespace vorna {

// "YYYY-MM-DD" for a "DD-MM-YYYY" date with a day of 1..31 and a month of
// 1..12; empty for anything else.
std::string SortableDay(const std::string& testDate);

}  // namespace vorna
