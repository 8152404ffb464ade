#include "ui_support.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <utility>

#include "platform/window_services.h"

namespace {
class LayerEnvironment : public ::testing::Environment {
public:
  void SetUp() override { ServicesStart(); }
};
const auto* const kEnvironment = ::testing::AddGlobalTestEnvironment(new LayerEnvironment);
}  // namespace

bool WaitForEvent(int code, DWORD timeoutMs) {
  const UINT_PTR timer = SetTimer(nullptr, 0, 50, nullptr);
  const DWORD start = GetTickCount();
  bool seen = false;
  while (!seen && GetTickCount() - start < timeoutMs) seen = EventWait() == code;
  KillTimer(nullptr, timer);
  return seen;
}

void DrainEvents() {
  const UINT_PTR timer = SetTimer(nullptr, 0, 30, nullptr);
  const DWORD start = GetTickCount();
  int quietTicks = 0;
  while (quietTicks < 3 && GetTickCount() - start < 3000) {
    if (EventWait() == WM_TIMER) ++quietTicks;
  }
  KillTimer(nullptr, timer);
}

namespace {
struct Search {
  const char* className;
  bool visibleOnly;
  HWND found;
};
BOOL CALLBACK MatchClass(HWND window, LPARAM data) {
  auto* search = reinterpret_cast<Search*>(data);
  if ((!search->visibleOnly || IsWindowVisible(window)) && ui::ClassOf(window) == search->className) {
    search->found = window;
    return FALSE;
  }
  return TRUE;
}
}  // namespace

HWND ThreadWindowOfClass(DWORD thread, const char* className, bool visibleOnly) {
  Search search{className, visibleOnly, nullptr};
  EnumThreadWindows(thread, MatchClass, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

HWND FindThreadWindow(DWORD thread, const char* className, DWORD timeoutMs) {
  const DWORD start = GetTickCount();
  while (GetTickCount() - start < timeoutMs) {
    if (HWND window = ThreadWindowOfClass(thread, className)) return window;
    Sleep(50);
  }
  return nullptr;
}

DWORD StyleOf(HWND window) { return static_cast<DWORD>(GetWindowLongA(window, GWL_STYLE)); }
DWORD ExStyleOf(HWND window) { return static_cast<DWORD>(GetWindowLongA(window, GWL_EXSTYLE)); }

namespace {
HHOOK gCreationHook = nullptr;
std::map<HWND, std::pair<DWORD, DWORD>> gCreationStyles;

LRESULT CALLBACK NoteCreation(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HCBT_CREATEWND) {
    const CREATESTRUCTA* create = reinterpret_cast<CBT_CREATEWNDA*>(lParam)->lpcs;
    gCreationStyles[reinterpret_cast<HWND>(wParam)] = {static_cast<DWORD>(create->style),
                                                       static_cast<DWORD>(create->dwExStyle)};
  }
  return CallNextHookEx(gCreationHook, code, wParam, lParam);
}
}  // namespace

CreationStyles::CreationStyles() {
  gCreationStyles.clear();
  gCreationHook = SetWindowsHookExA(WH_CBT, NoteCreation, nullptr, GetCurrentThreadId());
}
CreationStyles::~CreationStyles() { UnhookWindowsHookEx(gCreationHook); }
DWORD CreationStyles::Style(HWND window) const {
  auto found = gCreationStyles.find(window);
  return found == gCreationStyles.end() ? 0 : found->second.first;
}
DWORD CreationStyles::ExStyle(HWND window) const {
  auto found = gCreationStyles.find(window);
  return found == gCreationStyles.end() ? 0 : found->second.second;
}
