#include <gtest/gtest.h>

#include <climits>

#include "platform/text.h"

TEST(TextBuffer, AppendsAndKeepsBytes) {
  Text t("ab");
  t += Text("c\xE4", 2);
  t += t;  // appending to itself survives the growth
  EXPECT_EQ(t.length(), 8);
  EXPECT_STREQ(t.c_str(), "abc\xE4" "abc\xE4");
  EXPECT_EQ(t.at(3), 0xE4);
  EXPECT_EQ(t.at(8), 0);
  Text moved(static_cast<Text&&>(t));
  EXPECT_TRUE(t.empty());
  EXPECT_EQ(moved, Text("abc\xE4" "abc\xE4"));
}

TEST(TextBuffer, BufferAndResizeServeApiCalls) {
  Text t;
  char* b = t.buffer(300);
  ASSERT_NE(b, nullptr);
  for (int i = 0; i < 300; ++i) b[i] = 'x';
  t.resize(250);
  EXPECT_EQ(t.length(), 250);
  EXPECT_EQ(t.c_str()[250], 0);
  EXPECT_EQ(t.c_str()[0], 'x');  // the bytes the API wrote are the text
  EXPECT_EQ(t.c_str()[249], 'x');
  EXPECT_TRUE(Text(nullptr).empty());
  Text none;
  char* zero = none.buffer(0);  // an empty text still has room for its terminator
  ASSERT_NE(zero, nullptr);
  EXPECT_EQ(zero[0], 0);
}

TEST(TextBuffer, GrowthPastTheLongestTextIsRefusedWithoutOverflow) {
  Text text("ab");
  text.append(text.c_str(), INT_MAX - 1);
  EXPECT_EQ(text, Text("ab"));
  EXPECT_EQ(text.buffer(INT_MAX), nullptr);
  text.resize(INT_MAX);
  EXPECT_EQ(text, Text("ab"));
}
