// The single-precision arithmetic behind the overall percentage.
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

TEST(ProgressArithmeticTest, HalfShareTruncatesInSinglePrecision) {
  EXPECT_EQ(HalfShare(0, 0), 0u);
  EXPECT_EQ(HalfShare(1000000, 4000000), 12u);  // 12.5
  EXPECT_EQ(HalfShare(4000000, 4000000), 50u);
  EXPECT_EQ(HalfShare(1, 3), 16u);             // 16.666...
  EXPECT_EQ(HalfShare(4294967295u, 1), 100u);  // impossible sums stay within bounds
}

}  // namespace
