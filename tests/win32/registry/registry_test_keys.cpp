#include "registry_test_keys.h"

#include <gtest/gtest.h>

void DeleteKeyTree(HKEY root, const std::string& path) {
  const LONG result = RegDeleteTreeA(root, path.c_str());
  if (result != ERROR_SUCCESS && result != ERROR_FILE_NOT_FOUND) ADD_FAILURE() << "cannot delete " << path;
  RegDeleteKeyA(root, path.c_str());
  HKEY key;
  if (RegOpenKeyExA(root, path.c_str(), 0, KEY_READ, &key) == ERROR_SUCCESS) {
    RegCloseKey(key);
    ADD_FAILURE() << "still there: " << path;
  }
}

void PutKey(HKEY root, const std::string& path) {
  HKEY key;
  ASSERT_EQ(RegCreateKeyExA(root, path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr), ERROR_SUCCESS)
      << path;
  RegCloseKey(key);
}

void PutKeyBelow(HKEY root, const std::string& parent, const std::string& name) {
  HKEY key;
  ASSERT_EQ(RegCreateKeyExA(root, parent.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr), ERROR_SUCCESS)
      << parent;
  HKEY child;
  EXPECT_EQ(RegCreateKeyExA(key, name.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &child, nullptr), ERROR_SUCCESS)
      << name.size();
  RegCloseKey(child);
  RegCloseKey(key);
}

void PutValue(HKEY root, const std::string& path, const char* name, DWORD type, const std::string& data) {
  HKEY key;
  ASSERT_EQ(RegCreateKeyExA(root, path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr), ERROR_SUCCESS)
      << path;
  EXPECT_EQ(RegSetValueExA(key, name, 0, type, reinterpret_cast<const BYTE*>(data.data()),
                           static_cast<DWORD>(data.size())),
            ERROR_SUCCESS);
  RegCloseKey(key);
}

void PutString(HKEY root, const std::string& path, const char* name, const std::string& text) {
  PutValue(root, path, name, REG_SZ, std::string(text.c_str(), text.size() + 1));
}

bool KeyExists(HKEY root, const std::string& path) {
  HKEY key;
  if (RegOpenKeyExA(root, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
  RegCloseKey(key);
  return true;
}

RawValue GetValue(HKEY root, const std::string& path, const char* name) {
  RawValue value;
  HKEY key;
  if (RegOpenKeyExA(root, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return value;
  DWORD size = 0;
  if (RegQueryValueExA(key, name, nullptr, &value.type, nullptr, &size) == ERROR_SUCCESS) {
    value.data.resize(size);
    if (RegQueryValueExA(key, name, nullptr, nullptr, reinterpret_cast<BYTE*>(value.data.data()), &size) ==
        ERROR_SUCCESS) {
      value.exists = true;
      value.data.resize(size);
    }
  }
  RegCloseKey(key);
  return value;
}
