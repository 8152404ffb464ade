#include <gtest/gtest.h>

#include <cstdio>

#include "platform/object_table.h"
#include "platform/text.h"

TEST(ObjectTable, ChosenAndFreshNumbersCoexist) {
  ObjectTable<Text> table;
  int number = 0;
  ASSERT_NE(table.Add(1, &number), nullptr);
  EXPECT_EQ(number, 1);
  *table.Find(1) = "one";
  EXPECT_EQ(table.Add(1, nullptr), nullptr);  // taken
  EXPECT_EQ(table.Add(-5, nullptr), nullptr);
  Text* fresh = table.Add(kFreshNumber, &number);
  ASSERT_NE(fresh, nullptr);
  EXPECT_GE(number, kFreshNumberBase);
  *fresh = "fresh";
  for (int i = 2; i < 40; ++i) {
    char digits[8];
    std::snprintf(digits, sizeof digits, "%d", i);
    *table.Add(i, nullptr) = digits;
  }  // forces growth, objects move
  EXPECT_EQ(*table.Find(1), Text("one"));
  EXPECT_EQ(*table.Find(number), Text("fresh"));
  table.Remove(1);
  EXPECT_EQ(table.Find(1), nullptr);
  EXPECT_EQ(*table.Find(39), Text("39"));
  EXPECT_EQ(table.Count(), 39);
}
