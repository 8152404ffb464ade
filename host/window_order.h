#pragma once
// The record list of the window search: the order it keeps its records in and the scan for a titled window.
#include <cstdint>
#include "platform/ordered_list.h"
#include "platform/text.h"

struct WindowRecord {
  int32_t handle = 0;
  int32_t process = 0;
  Text className;
  Text title;
};

// Inserts the record by process, class name, title and handle, comparing from the first record on; a record
// whose process, class name, title and handle match a listed one is dropped.
void InsertWindowRecord(OrderedList<WindowRecord>& records, const WindowRecord& record);
// The first record of a window of the window layer (class name holding "WindowClass_") whose title contains the
// title, case-sensitive; null when none does.
const WindowRecord* ScanWindowRecords(OrderedList<WindowRecord>& records, TextView title);
