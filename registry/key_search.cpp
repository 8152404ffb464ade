// Depth-first search for a key by name, and the way back from a root's name to the root.
#include "registry/key_search.h"

#include "platform/last_error.h"
#include "registry/registry_access.h"
#include "registry/registry_key.h"
#include "registry/registry_rules.h"

namespace {

constexpr int kFoundPathLimit = 400;

}  // namespace

Text RegFindSubKey(HKEY root, TextView startKey, TextView searchName) {
  SetLastErrorText("");
  if (searchName.empty()) {
    SetLastErrorText(kErrorNoSearchName);
    return Text();
  }
  const Text rootName = RootName(RootValue(root));
  if (rootName.empty()) {
    SetLastErrorText(kErrorRootInvalid);
    return Text();
  }
  Text found = RegSearchSubKey(root, startKey.empty() ? TextView("\\") : startKey, searchName);
  if (found.empty()) {
    SetLastErrorText(kErrorSubkeyNotFound);
    return Text();
  }
  if (found.at(0) != '\\') found = "\\" + found;
  return rootName + found;
}

Text RegSearchSubKey(HKEY root, TextView key, TextView target) {
  const Text wanted = WithTrailingBackslash(target);
  const Text listed = WithTrailingBackslash(key);
  Text result;
  for (int index = 0;; ++index) {
    const Text child = RegEnumSubKey(root, listed, index);
    // A failed listing step only ends this key's listing; it is not reported.
    SetLastErrorText("");
    if (child.empty()) break;
    const Text childPath = listed + child;
    if (child + "\\" == wanted)
      result = childPath + "\\";
    else
      result = TextLeft(RegSearchSubKey(root, childPath, wanted), kFoundPathLimit);
    if (TextFind(result, wanted)) break;
  }
  return result;
}

HKEY RegRootFromName(TextView pathText) {
  SetLastErrorText("");
  const uint32_t root = RootFromName(pathText);
  if (!root) SetLastErrorText(kErrorFalseRootName);
  return RootHandle(root);
}
