#include <gtest/gtest.h>

#include <climits>

#include "platform/text.h"

TEST(TextBuffer, GrowthPastTheLongestTextIsRefusedWithoutOverflow) {
  Text text("ab");
  text.append(text.c_str(), INT_MAX - 1);
  EXPECT_EQ(text, Text("ab"));
  EXPECT_EQ(text.buffer(INT_MAX), nullptr);
  text.resize(INT_MAX);
  EXPECT_EQ(text, Text("ab"));
}
