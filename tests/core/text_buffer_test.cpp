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

// The source of an append may lie inside the text itself, also when the growth moves the bytes.
TEST(TextBuffer, AppendingItselfOrItsOwnTailSurvivesTheMove) {
  Text text("0123456789abcdef");
  text += text;
  EXPECT_EQ(text, "0123456789abcdef0123456789abcdef");
  text.append(text.c_str() + 26, 6);
  EXPECT_EQ(text, "0123456789abcdef0123456789abcdefabcdef");
}

static_assert(TextView("abc").length() == 3 && TextView(nullptr).empty());

TEST(TextView, ReadsLikeTheTextItViews) {
  const Text empty;
  EXPECT_STREQ(TextView(empty).c_str(), "");
  EXPECT_STREQ(TextView(nullptr).c_str(), "");
  const TextView umlaut("\xE4x");
  EXPECT_EQ(umlaut.at(0), 0xE4);
  EXPECT_EQ(umlaut.at(2), 0);
  EXPECT_EQ(umlaut.at(-1), 0);
  EXPECT_EQ(Text(umlaut), Text("\xE4x"));
}
