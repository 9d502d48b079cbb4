#include "util/test_date.h"

namespace vorna {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

std::string SortableDay(const std::string& testDate) {
  if (testDate.size() != 10 || testDate[2] != '-' || testDate[5] != '-') return {};
  for (const std::size_t at : {0u, 1u, 3u, 4u, 6u, 7u, 8u, 9u}) {
    if (!IsDigit(testDate[at])) return {};
  }
  const int day = (testDate[0] - '0') * 10 + (testDate[1] - '0');
  const int month = (testDate[3] - '0') * 10 + (testDate[4] - '0');
  if (day < 1 || day > 31 || month < 1 || month > 12) return {};
  return testDate.substr(6, 4) + "-" + testDate.substr(3, 2) + "-" + testDate.substr(0, 2);
}

}  // namespace vorna
