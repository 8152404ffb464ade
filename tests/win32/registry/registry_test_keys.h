#pragma once
// Raw Win32 access for the registry tests: they set up and inspect keys without the code under test,
// and remove them again whatever the outcome.
#include <windows.h>

#include <initializer_list>
#include <string>
#include <vector>

#include "platform/text.h"

inline Text T(const std::string& text) { return Text(text.data(), static_cast<int>(text.size())); }

// Deletes a key with everything below it; a missing key is fine.
void DeleteKeyTree(HKEY root, const std::string& path);
// Creates the key and any missing keys on the way.
void PutKey(HKEY root, const std::string& path);
// Creates one key with this name below parent, opening the parent first (for names too long for a full path).
void PutKeyBelow(HKEY root, const std::string& parent, const std::string& name);
// Stores a value of any type, creating the key as needed.
void PutValue(HKEY root, const std::string& path, const char* name, DWORD type, const std::string& data);
// Stores a string value with its terminating zero.
void PutString(HKEY root, const std::string& path, const char* name, const std::string& text);
bool KeyExists(HKEY root, const std::string& path);

struct RawValue {
  bool exists = false;
  DWORD type = 0;
  std::string data;
};
RawValue GetValue(HKEY root, const std::string& path, const char* name);

// Removes the listed keys before and after each test, so every test starts and ends with a clean registry.
struct KeyList {
  HKEY root;
  const char* path;
};
class ScratchKeys {
public:
  explicit ScratchKeys(std::initializer_list<KeyList> keys) : keys_(keys) { Clear(); }
  ~ScratchKeys() { Clear(); }
  void Clear() const {
    for (const KeyList& key : keys_) DeleteKeyTree(key.root, key.path);
  }

private:
  std::vector<KeyList> keys_;
};
