#pragma once
// An open registry key that closes itself, and the conversion between root handles and their 32-bit values.
#include <windows.h>

#include <cstdint>

class RegistryKey {
public:
  RegistryKey() = default;
  RegistryKey(const RegistryKey&) = delete;
  RegistryKey& operator=(const RegistryKey&) = delete;
  ~RegistryKey() {
    if (key_) RegCloseKey(key_);
  }

  bool Open(HKEY root, const char* path, REGSAM access) {
    return RegOpenKeyExA(root, path, 0, access, &key_) == ERROR_SUCCESS;
  }
  HKEY* Receive() { return &key_; }
  HKEY get() const { return key_; }

private:
  HKEY key_ = nullptr;
};

inline uint32_t RootValue(HKEY root) { return static_cast<uint32_t>(reinterpret_cast<uintptr_t>(root)); }
inline HKEY RootHandle(uint32_t value) {
  // Predefined roots are sign-extended LONG values, as the Windows headers define them.
  return reinterpret_cast<HKEY>(static_cast<intptr_t>(static_cast<int32_t>(value)));
}
