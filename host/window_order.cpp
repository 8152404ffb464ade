// Ordering of the window records: the lowest process first, then class name, title and handle.
#include "host/window_order.h"

namespace {
enum class Placement { Before, Further, Duplicate };

// By reference: both are record fields, which a view would cost more to pass.
bool DifferIgnoringCase(const Text& a, const Text& b) { return !TextEqual(TextUpper(a), TextUpper(b)); }

// Where a new record stands against one listed record; Further passes it on to the next listed record.
Placement PlaceAgainst(const WindowRecord& fresh, const WindowRecord& listed) {
  if (fresh.process != listed.process) return fresh.process < listed.process ? Placement::Before : Placement::Further;
  if (TextLess(fresh.className, listed.className)) return Placement::Before;
  if (DifferIgnoringCase(fresh.className, listed.className)) return Placement::Further;
  if (TextLess(fresh.title, listed.title)) return Placement::Before;
  if (DifferIgnoringCase(fresh.title, listed.title)) return Placement::Further;
  if (fresh.handle < listed.handle) return Placement::Before;
  return fresh.handle == listed.handle ? Placement::Duplicate : Placement::Further;
}

void AddAfterCurrent(OrderedList<WindowRecord>& records, const WindowRecord& record) {
  if (WindowRecord* added = records.AddAfterCurrent()) *added = record;
}
}  // namespace

void InsertWindowRecord(OrderedList<WindowRecord>& records, const WindowRecord& record) {
  records.Reset();
  while (const WindowRecord* listed = records.Next()) {
    const Placement placement = PlaceAgainst(record, *listed);
    if (placement == Placement::Duplicate) return;
    if (placement == Placement::Before) {
      // Before the first record there is no current one: the new record then goes to the front.
      if (!records.Previous()) records.Reset();
      AddAfterCurrent(records, record);
      return;
    }
  }
  records.Last();
  AddAfterCurrent(records, record);
}

const WindowRecord* ScanWindowRecords(OrderedList<WindowRecord>& records, TextView title) {
  records.Reset();
  while (const WindowRecord* record = records.Next()) {
    if (TextFind(record->className, "WindowClass_") && TextFind(record->title, title)) return record;
  }
  return nullptr;
}
