#include "util/test_date.h"

#include <gtest/gtest.h>

namespace vorna {
namespace {

TEST(SortableDay, TurnsReportDatesAroundAndRefusesAnythingElse) {
  const struct {
    const char* date;
    const char* day;
  } cases[] = {
      {"14-03-2026", "2026-03-14"}, {"01-12-1999", "1999-12-01"}, {"31-01-2026", "2026-01-31"},
      {"", ""},           {"14/03/2026", ""}, {"14-3-2026", ""},  {"00-03-2026", ""},
      {"32-03-2026", ""}, {"14-13-2026", ""}, {"14-03-202x", ""}, {"14-03-2026 ", ""},
  };
  for (const auto& c : cases) EXPECT_EQ(SortableDay(c.date), c.day) << c.date;
}

}  // namespace
}  // namespace vorna
