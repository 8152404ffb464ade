#include "platform/dll_search.h"

#include <windows.h>

#ifndef LOAD_LIBRARY_SEARCH_SYSTEM32
#define LOAD_LIBRARY_SEARCH_SYSTEM32 0x00000800
#endif

void RestrictDllSearch() {
  // SetDefaultDllDirectories exists from Windows 8 and on Vista/7 with update KB2533623; look it up at run time.
  using SetDefaultDllDirectoriesProc = BOOL(WINAPI*)(DWORD);
  const HMODULE kernel = GetModuleHandleA("kernel32.dll");
  const auto setDefault = kernel ? reinterpret_cast<SetDefaultDllDirectoriesProc>(
                                       reinterpret_cast<void*>(GetProcAddress(kernel, "SetDefaultDllDirectories")))
                                 : nullptr;
  if (setDefault && setDefault(LOAD_LIBRARY_SEARCH_SYSTEM32)) return;
  // Without it, at least take the current directory out of the search; the layer loads every DLL of its own by
  // its full system path, so the exe's folder is never searched for those.
  SetDllDirectoryA("");
}
