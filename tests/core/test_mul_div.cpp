#include <gtest/gtest.h>

#include "platform/mul_div.h"

TEST(MulDivRound, RoundsHalvesAwayFromZeroOnEitherSign) {
  EXPECT_EQ(MulDivRound(-1, 1, 2), -1);
  EXPECT_EQ(MulDivRound(5, 1, -2), -3);
  EXPECT_EQ(MulDivRound(-5, 1, -2), 3);
  EXPECT_EQ(MulDivRound(8, 96, 72), 11);  // 10.67: the note font at 96 pixels per inch
}

TEST(MulDivRound, LargeProductsDoNotOverflowAndOutOfRangeGivesMinusOne) {
  EXPECT_EQ(MulDivRound(INT32_MAX, INT32_MAX, INT32_MAX), INT32_MAX);
  EXPECT_EQ(MulDivRound(INT32_MIN, INT32_MIN, INT32_MIN), INT32_MIN);
  EXPECT_EQ(MulDivRound(1 << 30, 3, 4), 805306368);
  EXPECT_EQ(MulDivRound(-(1 << 30), 3, 4), -805306368);
  EXPECT_EQ(MulDivRound(1 << 30, 12, 4), -1);
  EXPECT_EQ(MulDivRound(INT32_MIN, -1, 1), -1);
  EXPECT_EQ(MulDivRound(5, 7, 0), -1);
}
