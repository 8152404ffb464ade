// The registry access family. Every member clears the last-error text, validates, opens its key afresh with
// full access, does one thing and closes the key; a failure gives the neutral result and one fixed text.
#include "registry/registry_access.h"

#include "platform/last_error.h"
#include "registry/registry_key.h"
#include "registry/registry_rules.h"

namespace {

// The largest string value read, the limit of a value in the standard registry format: far beyond any text the
// installer reads, and far below what a text can hold.
constexpr DWORD kMaxValueBytes = 1024 * 1024;

Text FailText(const char* error) {
  SetLastErrorText(error);
  return Text();
}

int FailFlag(const char* error) {
  SetLastErrorText(error);
  return 0;
}

bool Accepted(HKEY root) { return IsAcceptedRoot(RootValue(root)); }

}  // namespace

Text RegReadString(HKEY root, TextView keyPath, TextView valueName) {
  SetLastErrorText("");
  if (!Accepted(root)) return FailText(kErrorRootInvalid);
  if (keyPath.empty()) return FailText(kErrorKeyPathEmpty);
  if (RegSubKeyExists(root, keyPath) != 1) return FailText(kErrorKeyMissing);
  const ScopedKey key = OpenKey(root, KeyPathForOpen(keyPath).c_str(), KEY_ALL_ACCESS);
  if (!key) return FailText(kErrorNotSpecified);
  DWORD type = 0;
  DWORD size = 0;
  if (RegQueryValueExA(key.get(), valueName.c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS)
    return FailText(kErrorNotSpecified);
  if (type != REG_SZ) return FailText(kErrorFalseType);
  if (size > kMaxValueBytes) return FailText(kErrorReadingKey);
  // The data may hold zero bytes anywhere: keep it in a buffer of its own, sized as reported. The API learns the
  // buffer's whole size, so data that grew since the size was asked fails the read instead of overrunning it.
  Text data;
  char* bytes = data.buffer(static_cast<int>(size));
  DWORD read = size + 1;
  if (!bytes || RegQueryValueExA(key.get(), valueName.c_str(), nullptr, nullptr, reinterpret_cast<BYTE*>(bytes),
                                 &read) != ERROR_SUCCESS)
    return FailText(kErrorReadingKey);
  return TextFromRegistryData(bytes, static_cast<int>(read));
}

int RegSubKeyExists(HKEY root, TextView keyPath) {
  SetLastErrorText("");
  if (!Accepted(root)) return FailFlag(kErrorRootInvalid);
  if (keyPath.empty()) return FailFlag(kErrorKeyPathEmpty);
  const ScopedKey key = OpenKey(root, KeyPathForOpen(keyPath).c_str(), KEY_ALL_ACCESS);
  if (!key) return FailFlag(kErrorKeyNotFound);
  return 1;
}

int RegCreateSubKey(HKEY root, TextView keyPath) {
  SetLastErrorText("");
  if (!Accepted(root)) return FailFlag(kErrorRootInvalid);
  if (keyPath.empty()) return FailFlag(kErrorKeyPathEmpty);
  // Default security, not inheritable.
  SECURITY_ATTRIBUTES security{};
  security.nLength = sizeof security;
  ScopedKey key;
  if (RegCreateKeyExA(root, KeyPathForOpen(keyPath).c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS,
                      &security, key.Receive(), nullptr) != ERROR_SUCCESS)
    return FailFlag(kErrorCannotCreate);
  return 1;
}

int RegWriteString(HKEY root, TextView keyPath, TextView valueName, TextView value) {
  SetLastErrorText("");
  if (!Accepted(root)) return FailFlag(kErrorRootInvalid);
  if (keyPath.empty()) return FailFlag(kErrorKeyPathEmpty);
  if (RegSubKeyExists(root, keyPath) != 1) return FailFlag(kErrorKeyMissing);
  const ScopedKey key = OpenKey(root, KeyPathForOpen(keyPath).c_str(), KEY_ALL_ACCESS);
  if (!key) return FailFlag(kErrorCannotWrite);
  // The terminating zero is stored with the text.
  if (RegSetValueExA(key.get(), valueName.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                     static_cast<DWORD>(value.length()) + 1) != ERROR_SUCCESS)
    return FailFlag(kErrorCannotWrite);
  return 1;
}

Text RegEnumSubKey(HKEY root, TextView keyPath, int index) {
  SetLastErrorText("");
  if (!Accepted(root)) return FailText(kErrorRootInvalid);
  if (RegSubKeyExists(root, keyPath) != 1) return FailText(kErrorKeyMissing);
  const ScopedKey key = OpenKey(root, KeyPathForOpen(keyPath).c_str(), KEY_ALL_ACCESS);
  if (!key) return FailText(kErrorReadingKey);
  // 255 counts the terminating zero: longer names do not fit and end the listing.
  char name[255];
  DWORD length = sizeof name;
  if (RegEnumKeyExA(key.get(), static_cast<DWORD>(index), name, &length, nullptr, nullptr, nullptr, nullptr) !=
      ERROR_SUCCESS)
    return FailText(kErrorIndexEmpty);
  return Text(name, static_cast<int>(length));
}
