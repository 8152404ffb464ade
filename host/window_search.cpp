// Finds a window by its title: an exact match among the top-level windows, else a window of the window layer
// anywhere on the desktop whose title contains the text.
#include <windows.h>

#include <cstdint>

#include "host/window_order.h"
#include "host/window_search.h"
#include "platform/window_services.h"

namespace {
constexpr int kNameBufferSize = 1024;

Text HandleText(HWND window) { return NumberToText(static_cast<int32_t>(reinterpret_cast<intptr_t>(window))); }

WindowRecord RecordOf(HWND window) {
  WindowRecord record;
  record.handle = static_cast<int32_t>(reinterpret_cast<intptr_t>(window));
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  record.process = static_cast<int32_t>(process);
  char name[kNameBufferSize];
  record.className = TextFromMemory(name, GetClassNameA(window, name, kNameBufferSize));
  record.title = TextFromMemory(name, GetWindowTextA(window, name, kNameBufferSize));
  return record;
}

void Push(OrderedList<HWND>& pending, HWND window) {
  pending.Last();
  if (HWND* slot = pending.AddAfterCurrent()) *slot = window;
}

HWND Pop(OrderedList<HWND>& pending) {
  const HWND* top = pending.Last();
  if (!top) return nullptr;
  const HWND window = *top;
  pending.DeleteCurrent();
  return window;
}

// Every top-level window and every descendant of one, siblings first, the children met on the way afterwards.
void CollectWindows(HWND anchor, OrderedList<WindowRecord>& records) {
  OrderedList<HWND> pending;
  HWND current = GetWindow(anchor, GW_HWNDFIRST);
  while (current) {
    InsertWindowRecord(records, RecordOf(current));
    if (HWND child = GetWindow(current, GW_CHILD)) Push(pending, child);
    current = GetWindow(current, GW_HWNDNEXT);
    if (!current) current = Pop(pending);
  }
}
}  // namespace

Text FindTitledWindow(int anchorWindow, TextView title) {
  if (HWND exact = FindWindowA(nullptr, title.c_str())) return HandleText(exact);
  OrderedList<WindowRecord> records;
  CollectWindows(WindowHandle(anchorWindow), records);
  const WindowRecord* match = ScanWindowRecords(records, title);
  return match ? NumberToText(match->handle) : Text();
}
