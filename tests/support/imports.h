#pragma once
// Redirects this program's own calls of a system function, so that a test can make the system refuse or race.
#include <windows.h>

#include <cstring>
#include <utility>

// The import slot through which every call of this program to the named function goes; null when there is none.
inline void** ImportSlot(const char* function) {
  auto* base = reinterpret_cast<BYTE*>(GetModuleHandleA(nullptr));
  const auto* nt = reinterpret_cast<IMAGE_NT_HEADERS*>(base + reinterpret_cast<IMAGE_DOS_HEADER*>(base)->e_lfanew);
  auto* dll = reinterpret_cast<IMAGE_IMPORT_DESCRIPTOR*>(
      base + nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT].VirtualAddress);
  for (; dll->Name; ++dll) {
    auto* slot = reinterpret_cast<void**>(base + dll->FirstThunk);
    for (auto* entry = reinterpret_cast<IMAGE_THUNK_DATA*>(base + dll->OriginalFirstThunk); entry->u1.AddressOfData;
         ++entry, ++slot) {
      const auto* byName = reinterpret_cast<IMAGE_IMPORT_BY_NAME*>(base + entry->u1.AddressOfData);
      if (!IMAGE_SNAP_BY_ORDINAL(entry->u1.Ordinal) && std::strcmp(byName->Name, function) == 0) return slot;
    }
  }
  return nullptr;
}

// Points the slot at another function and gives the one it pointed at.
inline void* Redirect(void** slot, void* function) {
  DWORD protection;
  VirtualProtect(slot, sizeof *slot, PAGE_READWRITE, &protection);
  void* previous = std::exchange(*slot, function);
  VirtualProtect(slot, sizeof *slot, protection, &protection);
  return previous;
}
