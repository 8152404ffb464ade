#pragma once
// Helpers of the window-layer tests: a bounded wait for a given event, and a driver thread that answers the
// requesters the way a user would.
#include <windows.h>

#include <ostream>
#include <string>

#include "tests/support/ui_driver.h"

// Waits (through EventWait) until the event code turns up; false after timeoutMs. A thread timer keeps
// EventWait from blocking for ever.
bool WaitForEvent(int code, DWORD timeoutMs = 3000);
// Hands every queued or pending event to EventWait until nothing arrives for a moment.
void DrainEvents();
// Finds a visible top-level window of the given class that belongs to the thread, polling up to timeoutMs.
HWND FindThreadWindow(DWORD thread, const char* className, DWORD timeoutMs = 5000);
// The top-level window of the given class that belongs to the thread, or null.
HWND ThreadWindowOfClass(DWORD thread, const char* className, bool visibleOnly = true);
DWORD StyleOf(HWND window);
DWORD ExStyleOf(HWND window);
// While it lives, notes the styles that each window of the thread is created with (a rich edit, for one,
// changes its styles afterwards).
class CreationStyles {
public:
  CreationStyles();
  ~CreationStyles();
  CreationStyles(const CreationStyles&) = delete;
  CreationStyles& operator=(const CreationStyles&) = delete;
  DWORD Style(HWND window) const;
  DWORD ExStyle(HWND window) const;
};


#include "platform/text.h"
// Lets failed expectations show texts as texts.
inline void PrintTo(const Text& text, std::ostream* out) { *out << '"' << text.c_str() << '"'; }
