#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "host/window_order.h"

namespace {
WindowRecord Record(int32_t handle, int32_t process, const char* className, const char* title) {
  WindowRecord record;
  record.handle = handle;
  record.process = process;
  record.className = className;
  record.title = title;
  return record;
}

std::vector<int32_t> Handles(OrderedList<WindowRecord>& records) {
  std::vector<int32_t> handles;
  records.Reset();
  while (const WindowRecord* record = records.Next()) handles.push_back(record->handle);
  return handles;
}

std::vector<int32_t> InsertAll(OrderedList<WindowRecord>& records, const std::vector<WindowRecord>& all) {
  for (const WindowRecord& record : all) InsertWindowRecord(records, record);
  return Handles(records);
}
}  // namespace

TEST(WindowOrder, ProcessDecidesFirstAsASignedNumber) {
  OrderedList<WindowRecord> records;
  EXPECT_EQ(InsertAll(records, {Record(1, 30, "b", "b"), Record(2, 10, "z", "z"), Record(3, 20, "a", "a"),
                                Record(4, INT32_MIN, "z", "z"), Record(5, 40, "", "")}),
            (std::vector<int32_t>{4, 2, 3, 1, 5}));
}

TEST(WindowOrder, ClassNamesSortByUnsignedBytesThenTitlesThenHandles) {
  OrderedList<WindowRecord> records;
  EXPECT_EQ(InsertAll(records, {Record(1, 7, "WindowClass_2", "x"), Record(2, 7, "WindowClass_10", "x"),
                                Record(3, 7, "\xE4rger", "x"), Record(4, 7, "zebra", "x"),
                                Record(5, 7, "WindowClass_2", "a"), Record(6, 7, "WindowClass_2", "x"),
                                Record(-9, 7, "WindowClass_2", "x")}),
            (std::vector<int32_t>{2, 5, -9, 1, 6, 4, 3}));
}

TEST(WindowOrder, LetterCaseOnlyBreaksTiesOneWay) {
  // A name that sorts before the listed one goes in front; one equal apart from case falls through to the title.
  OrderedList<WindowRecord> records;
  EXPECT_EQ(InsertAll(records, {Record(1, 7, "abc", "t"), Record(2, 7, "ABC", "t")}), (std::vector<int32_t>{2, 1}));
  OrderedList<WindowRecord> fallThrough;
  EXPECT_EQ(InsertAll(fallThrough, {Record(1, 7, "ABC", "t"), Record(2, 7, "abc", "s")}),
            (std::vector<int32_t>{2, 1}));
  OrderedList<WindowRecord> titles;
  EXPECT_EQ(InsertAll(titles, {Record(5, 7, "c", "Title"), Record(3, 7, "c", "TITLE"), Record(4, 7, "c", "title")}),
            (std::vector<int32_t>{3, 4, 5}));
}

TEST(WindowOrder, DuplicatesAreDroppedEvenAmongManyRecords) {
  OrderedList<WindowRecord> records;
  std::vector<WindowRecord> all;
  for (int round = 0; round < 2; ++round)
    for (int32_t h = 1; h <= 6; ++h) all.push_back(Record(h, h % 3, "WindowClass_1", "w"));
  EXPECT_EQ(InsertAll(records, all), (std::vector<int32_t>{3, 6, 1, 4, 2, 5}));
  // The same handle under another title is another record.
  InsertWindowRecord(records, Record(3, 0, "WindowClass_1", "v"));
  int count = 0;
  for (records.Reset(); records.Next();) ++count;
  EXPECT_EQ(count, 7);
}

TEST(WindowScan, FindsOnlyLayerWindowsWhoseTitleContainsTheText) {
  OrderedList<WindowRecord> records;
  InsertAll(records, {Record(11, 5, "Edit", "Setup Velkor"), Record(12, 5, "WindowClass_3", "setup velkor"),
                      Record(13, 9, "MyWindowClass_7", "Fortschritt Setup Velkor ..."),
                      Record(14, 8, "WindowClass_1", "Setup Velkor")});
  const WindowRecord* found = ScanWindowRecords(records, "Setup Velkor");
  ASSERT_NE(found, nullptr);
  EXPECT_EQ(found->handle, 14);  // the lower process wins over 13; 11 is no layer window, 12 differs in case
  EXPECT_EQ(ScanWindowRecords(records, "Velkor ...")->handle, 13);
  EXPECT_EQ(ScanWindowRecords(records, "SETUP"), nullptr);
  EXPECT_EQ(ScanWindowRecords(records, ""), nullptr);
  OrderedList<WindowRecord> empty;
  EXPECT_EQ(ScanWindowRecords(empty, "Setup"), nullptr);
}
