#include "registry/registry_rules.h"

namespace {

struct RootEntry {
  const char* name;
  uint32_t value;
};

// In the order in which roots are tested and names compared.
constexpr RootEntry kRoots[] = {
    {"#HKEY_CURRENT_USER", 0x80000001u},  {"#HKEY_LOCAL_MACHINE", 0x80000002u},
    {"#HKEY_CLASSES_ROOT", 0x80000000u},  {"#HKEY_CURRENT_CONFIG", 0x80000005u},
    {"#HKEY_USERS", 0x80000003u},         {"#HKEY_DYN_DATA", 0x80000006u},
    {"#HKEY_PERFORMANCE_DATA", 0x80000004u},
};

}  // namespace

bool IsAcceptedRoot(uint32_t root) { return !RootName(root).empty(); }

Text RootName(uint32_t root) {
  for (const RootEntry& entry : kRoots)
    if (entry.value == root) return Text(entry.name);
  return Text();
}

uint32_t RootFromName(TextView pathText) {
  Text head = TextUpper(pathText);
  const int slash = TextFind(head, "\\");
  if (slash) head = TextLeft(head, slash - 1);
  for (const RootEntry& entry : kRoots)
    if (head == entry.name) return entry.value;
  return 0;
}

Text KeyPathForOpen(TextView keyPath) {
  return keyPath.at(0) == '\\' ? TextMid(keyPath, 2, keyPath.length()) : Text(keyPath);
}

Text TextFromRegistryData(const char* data, int count) {
  Text text;
  for (int i = 0; data && i < count; ++i)
    if (data[i]) text += data[i];
  return text;
}

Text WithTrailingBackslash(TextView text) {
  return text.at(text.length() - 1) == '\\' ? Text(text) : text + "\\";
}
