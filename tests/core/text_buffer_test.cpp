#include <gtest/gtest.h>

#include "platform/text.h"

// The source of an append may lie inside the text itself, also when the growth moves the bytes.
TEST(TextBuffer, AppendingItselfOrItsOwnTailSurvivesTheMove) {
  Text text("0123456789abcdef");
  text += text;
  EXPECT_EQ(text, "0123456789abcdef0123456789abcdef");
  text.append(text.c_str() + 26, 6);
  EXPECT_EQ(text, "0123456789abcdef0123456789abcdefabcdef");
}

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
