// System DLLs are loaded by their full path in the system folder: an installer usually runs from a download
// folder, where a planted DLL of the same name must never be picked up.
#include <windows.h>

#include "platform/window_services.h"

HMODULE SystemLibraryLoad(const char* name) {
  char path[MAX_PATH + 1];
  const UINT length = GetSystemDirectoryA(path, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return nullptr;
  Text full(path, static_cast<int>(length));
  full += "\\";
  full += name;
  if (full.length() >= MAX_PATH) return nullptr;
  // The altered search path makes the DLL's own dependencies resolve from the system folder as well.
  return LoadLibraryExA(full.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
}
