// The arithmetic behind the overall percentage.
#include <gtest/gtest.h>

#include <vector>

#include "controller/progress_arithmetic.h"

namespace {

TEST(ProgressArithmeticTest, DoneFollowsReportsButNeverGoesDown) {
  struct Case {
    uint32_t size, done;
    int32_t value;
    uint32_t expected;
  };
  const std::vector<Case> cases = {
      {1000000, 0, 100, 1000000},     // finished: all of it
      {1000000, 0, 50, 500000},       //
      {1000000, 600000, 50, 600000},  // lower than before: unchanged
      {1000000, 500000, -1, 500000},  // failure: unchanged
      {1000000, 0, 99, 990000},       //
      {3, 0, 99, 2},                  // 0.03 * 99 = 2.97, truncated
      {1000000, 1000000, 100, 1000000},
      {0, 0, 50, 0},
      {4294967295u, 0, 50, 2147483648u},  // size rounded to single precision first
  };
  for (const auto& c : cases) {
    EXPECT_EQ(DoneAfterReport(c.size, c.done, c.value), c.expected)
        << c.size << " " << c.done << " " << c.value;
  }
}

TEST(ProgressArithmeticTest, HalfShareTruncatesAndReachesFiftyOnlyWhenAllIsDone) {
  const uint64_t clamp = 4294967295u;  // the largest size a manifest entry can carry
  const struct {
    uint64_t done, total;
    uint32_t expected;
  } cases[] = {
      {0, 0, 0},
      {1000000, 4000000, 12},  // 12.5
      {4000000, 4000000, 50},
      {1, 3, 16},       // 16.666...
      {clamp, 1, 100},  // impossible sums stay within bounds
      // Sums beyond 32 bits: no wrap, and one byte short of the total is not yet 50.
      {3 * clamp, 3 * clamp + 1000000, 49},
      {3 * clamp + 999999, 3 * clamp + 1000000, 49},
      {3 * clamp + 1000000, 3 * clamp + 1000000, 50},
      {3000000000u, 5000000000u, 30},
      {UINT64_MAX - 1, UINT64_MAX, 49},
      {UINT64_MAX, UINT64_MAX, 50},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(HalfShare(c.done, c.total), c.expected) << c.done << " / " << c.total;
  }
}

}  // namespace
