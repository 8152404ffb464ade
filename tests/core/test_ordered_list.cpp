#include <gtest/gtest.h>

#include <string>

#include "platform/ordered_list.h"
#include "platform/text.h"

namespace {
struct Item {
  int value;
  Text name;
};

// The values from front to back, walking from a reset; leaves the list reset.
std::string Walk(OrderedList<Item>& list) {
  std::string out;
  list.Reset();
  while (Item* item = list.Next()) out += std::to_string(item->value);
  list.Reset();
  return out;
}

void Add(OrderedList<Item>& list, int value) {
  Item* item = list.AddAfterCurrent();
  ASSERT_NE(item, nullptr);
  EXPECT_EQ(item->value, 0);  // records start zeroed
  item->value = value;
  item->name = NumberToText(value);
}
}  // namespace

TEST(OrderedList, AddsAfterCurrentOrAtFront) {
  OrderedList<Item> list;
  EXPECT_EQ(list.Next(), nullptr);
  EXPECT_EQ(list.Last(), nullptr);
  Add(list, 1);
  Add(list, 2);
  Add(list, 3);
  EXPECT_EQ(Walk(list), "123");
  Add(list, 0);  // no current record after a reset: goes to the front
  EXPECT_EQ(Walk(list), "0123");
  list.Next();
  list.Next();
  Add(list, 9);  // after 1, before 2
  EXPECT_EQ(Walk(list), "01923");
}

TEST(OrderedList, MovesStopAtTheEnds) {
  OrderedList<Item> list;
  Add(list, 1);
  Add(list, 2);
  EXPECT_EQ(list.Next(), nullptr);
  EXPECT_EQ(list.Previous()->value, 1);  // stayed on the last
  EXPECT_EQ(list.Previous(), nullptr);
  EXPECT_EQ(list.Next()->value, 2);  // stayed on the first
  list.Reset();
  EXPECT_EQ(list.Previous(), nullptr);
  EXPECT_EQ(list.Next()->value, 1);  // still before the first
  EXPECT_EQ(list.Last()->value, 2);
  EXPECT_EQ(list.Next(), nullptr);
}

TEST(OrderedList, DeleteMakesThePreviousCurrent) {
  OrderedList<Item> list;
  for (int v = 1; v <= 4; ++v) Add(list, v);
  list.Previous();  // on 3
  list.DeleteCurrent();
  EXPECT_EQ(list.Next()->value, 4);  // from 2
  EXPECT_EQ(Walk(list), "124");
  list.Last();
  list.DeleteCurrent();  // the last one
  EXPECT_EQ(list.Next(), nullptr);
  EXPECT_EQ(list.Previous()->value, 1);  // from 2
  EXPECT_EQ(Walk(list), "12");
  list.Next();
  list.DeleteCurrent();  // the first one: no current record remains
  EXPECT_EQ(list.Next()->value, 2);
  EXPECT_EQ(list.Previous(), nullptr);
  list.DeleteCurrent();
  EXPECT_EQ(list.Next(), nullptr);
  list.DeleteCurrent();  // nothing current: nothing happens
  EXPECT_EQ(Walk(list), "");
}

TEST(OrderedList, DeleteWhileWalkingVisitsEveryRecordOnce) {
  OrderedList<Item> list;
  for (int v = 1; v <= 6; ++v) Add(list, v);
  list.Reset();
  std::string seen;
  while (Item* item = list.Next()) {
    seen += std::to_string(item->value);
    if (item->value % 2) list.DeleteCurrent();
  }
  EXPECT_EQ(seen, "123456");
  EXPECT_EQ(Walk(list), "246");
}

TEST(OrderedList, ClearFreesRecordsAndTheListStaysUsable) {
  OrderedList<Item> list;
  for (int v = 1; v <= 3; ++v) Add(list, v);
  EXPECT_EQ(list.Last()->name, Text("3"));
  list.Clear();  // the records' texts are freed with them (the sanitizer build checks for leaks)
  EXPECT_EQ(Walk(list), "");
  Add(list, 7);
  EXPECT_EQ(Walk(list), "7");
}
