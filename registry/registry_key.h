#pragma once
// Opening a registry key that closes itself, and the conversion between root handles and their 32-bit values.
#include <windows.h>

#include <cstdint>

#include "platform/scoped_resources.h"

// The key opened with this access; an empty one (false) when it cannot be opened.
inline ScopedKey OpenKey(HKEY root, const char* path, REGSAM access) {
  ScopedKey key;
  if (RegOpenKeyExA(root, path, 0, access, key.Receive()) != ERROR_SUCCESS) key.Release();
  return key;
}

inline uint32_t RootValue(HKEY root) { return static_cast<uint32_t>(reinterpret_cast<uintptr_t>(root)); }
inline HKEY RootHandle(uint32_t value) {
  // Predefined roots are sign-extended LONG values, as the Windows headers define them.
  return reinterpret_cast<HKEY>(static_cast<intptr_t>(static_cast<int32_t>(value)));
}
