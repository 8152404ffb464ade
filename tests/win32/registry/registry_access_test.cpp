#include <gtest/gtest.h>

#include <string>

#include "platform/last_error.h"
#include "registry/registry_access.h"
#include "registry_test_keys.h"

namespace {

const std::string kBase = "Software\\VelkorRegistryTest";
const std::string kNested = kBase + "\\Dorvanix\\Velk400";

std::string Error() { return LastErrorText().c_str(); }

class RegistryAccess : public ::testing::Test {
protected:
  ScratchKeys keys{{HKEY_CURRENT_USER, kBase.c_str()}, {HKEY_LOCAL_MACHINE, kBase.c_str()}};
};

// Calls every member with this root and key path; each must give its neutral result and the expected text.
void ExpectEveryMemberFails(HKEY root, const char* path, const char* error, const char* listingError) {
  SetLastErrorText("stale");
  EXPECT_TRUE(RegReadString(root, path, "Name").empty());
  EXPECT_EQ(Error(), error);
  EXPECT_EQ(RegSubKeyExists(root, path), 0);
  EXPECT_EQ(Error(), error);
  EXPECT_EQ(RegCreateSubKey(root, path), 0);
  EXPECT_EQ(Error(), error);
  EXPECT_EQ(RegWriteString(root, path, "Name", "y"), 0);
  EXPECT_EQ(Error(), error);
  EXPECT_TRUE(RegEnumSubKey(root, path, 0).empty());
  EXPECT_EQ(Error(), listingError);
}

}  // namespace

TEST_F(RegistryAccess, RootsOutsideTheSevenAndEmptyPathsAreRejected) {
  PutString(HKEY_CURRENT_USER, kBase, "Name", "x");
  HKEY own;
  ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, "Software", 0, KEY_ALL_ACCESS, &own), ERROR_SUCCESS);
  for (HKEY root : {static_cast<HKEY>(nullptr), own, reinterpret_cast<HKEY>(static_cast<intptr_t>(0x80000007))})
    ExpectEveryMemberFails(root, "VelkorRegistryTest", "ERROR, #HKEY is empty", "ERROR, #HKEY is empty");
  RegCloseKey(own);
  // The listing has no empty-path test of its own: the existence test fails instead.
  ExpectEveryMemberFails(HKEY_CURRENT_USER, "", "ERROR, subkeyname is empty", "ERROR, sub key dont exist");
  EXPECT_EQ(GetValue(HKEY_CURRENT_USER, kBase, "Name").data, std::string("x", 2));
  // A successful call after the failures leaves the text empty.
  EXPECT_STREQ(RegReadString(HKEY_CURRENT_USER, T(kBase), "Name").c_str(), "x");
  EXPECT_EQ(Error(), "");
}

TEST_F(RegistryAccess, BackslashAloneAddressesTheRootItself) {
  const char* name = "VelkorRegistryTestRootValue";
  HKEY root;
  ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, "", 0, KEY_ALL_ACCESS, &root), ERROR_SUCCESS);
  PutString(HKEY_CURRENT_USER, "", name, "am Wurzelschlüssel");
  EXPECT_EQ(RegSubKeyExists(HKEY_CURRENT_USER, "\\"), 1);
  EXPECT_STREQ(RegReadString(HKEY_CURRENT_USER, "\\", name).c_str(), "am Wurzelschlüssel");
  EXPECT_EQ(RegDeleteValueA(root, name), ERROR_SUCCESS);
  // The listing names the root's own subkeys.
  char first[256];
  DWORD length = sizeof first;
  EXPECT_EQ(RegEnumKeyExA(root, 0, first, &length, nullptr, nullptr, nullptr, nullptr), ERROR_SUCCESS);
  EXPECT_STREQ(RegEnumSubKey(HKEY_CURRENT_USER, "\\", 0).c_str(), first);
  RegCloseKey(root);
}

TEST_F(RegistryAccess, CreatesMiddleKeysAndTakesLeadingAndTrailingBackslashes) {
  EXPECT_EQ(RegSubKeyExists(HKEY_CURRENT_USER, T(kNested + "\\")), 0);
  EXPECT_EQ(Error(), "ERROR, sub key not found");
  EXPECT_EQ(RegCreateSubKey(HKEY_CURRENT_USER, T(kNested + "\\")), 1);
  EXPECT_EQ(Error(), "");
  EXPECT_TRUE(KeyExists(HKEY_CURRENT_USER, kBase + "\\Dorvanix"));
  EXPECT_TRUE(KeyExists(HKEY_CURRENT_USER, kNested));
  EXPECT_EQ(RegSubKeyExists(HKEY_CURRENT_USER, T("\\" + kNested)), 1);
  EXPECT_EQ(RegWriteString(HKEY_CURRENT_USER, T("\\" + kNested + "\\"), "Version", "1.07"), 1);
  EXPECT_EQ(RegWriteString(HKEY_CURRENT_USER, T(kNested + "\\"), "Date", "13.09.2007"), 1);
  EXPECT_EQ(GetValue(HKEY_CURRENT_USER, kNested, "Version").data, std::string("1.07", 5));
  EXPECT_STREQ(RegReadString(HKEY_CURRENT_USER, T("\\" + kNested), "Date").c_str(), "13.09.2007");
  // Two leading backslashes keep the second one, which no key path may begin with.
  EXPECT_EQ(RegSubKeyExists(HKEY_CURRENT_USER, T("\\\\" + kNested)), 0);
  // Creating an existing key leaves its values and subkeys alone.
  PutKey(HKEY_CURRENT_USER, kNested + "\\Child");
  EXPECT_EQ(RegCreateSubKey(HKEY_CURRENT_USER, T(kNested)), 1);
  EXPECT_EQ(GetValue(HKEY_CURRENT_USER, kNested, "Version").data, std::string("1.07", 5));
  EXPECT_TRUE(KeyExists(HKEY_CURRENT_USER, kNested + "\\Child"));
  EXPECT_EQ(RegCreateSubKey(HKEY_LOCAL_MACHINE, T(kBase + "\\Machine")), 1);
  EXPECT_TRUE(KeyExists(HKEY_LOCAL_MACHINE, kBase + "\\Machine"));
}

TEST_F(RegistryAccess, CreateFailureIsReported) {
  EXPECT_EQ(RegCreateSubKey(HKEY_PERFORMANCE_DATA, "VelkorRegistryTest"), 0);
  EXPECT_EQ(Error(), "ERROR, can\xB4t create key");
}

TEST_F(RegistryAccess, ReadTakesStringValuesOnlyAndSkipsTheirZeroBytes) {
  struct Case {
    const char* name;
    DWORD type;
    std::string data;
    std::string text;
    const char* error;
  };
  // Values are read up to 1 MB, terminator included.
  const std::string longest(1024 * 1024 - 1, 'a');
  const Case cases[] = {
      {"AtTheBound", REG_SZ, longest + '\0', longest, ""},
      {"PastTheBound", REG_SZ, longest + "a" + '\0', "", "ERROR, reading key"},
      {"Inner", REG_SZ, std::string("ab\0cd\0", 6), "abcd", ""},
      {"Unterminated", REG_SZ, "xyz", "xyz", ""},
      {"", REG_SZ, std::string("Vorgabe für ´Standard´") + '\0', "Vorgabe für ´Standard´", ""},
      {"Empty", REG_SZ, std::string(1, '\0'), "", ""},
      {"ZeroLength", REG_SZ, "", "", ""},
      {"Expand", REG_EXPAND_SZ, std::string("%TEMP%\\x", 9), "", "ERROR, false type"},
      {"Number", REG_DWORD, std::string("\x07\0\0\0", 4), "", "ERROR, false type"},
      {"Multi", REG_MULTI_SZ, std::string("a\0b\0\0", 5), "", "ERROR, false type"},
      {"Binary", REG_BINARY, "abc", "", "ERROR, false type"},
  };
  for (const Case& c : cases) PutValue(HKEY_CURRENT_USER, kBase, c.name, c.type, c.data);
  for (const Case& c : cases) {
    SetLastErrorText("stale");
    const Text text = RegReadString(HKEY_CURRENT_USER, T(kBase), c.name);
    EXPECT_EQ(std::string(text.c_str(), text.length()), c.text) << c.name;
    EXPECT_EQ(Error(), c.error) << c.name;
  }
  EXPECT_TRUE(RegReadString(HKEY_CURRENT_USER, T(kBase), "Absent").empty());
  EXPECT_EQ(Error(), "ERROR, not specified message");
  EXPECT_TRUE(RegReadString(HKEY_CURRENT_USER, T(kBase + "\\Absent"), "Inner").empty());
  EXPECT_EQ(Error(), "ERROR, sub key dont exist");
}

TEST_F(RegistryAccess, WriteNeedsAnExistingKeyAndStoresAStringWithItsZero) {
  EXPECT_EQ(RegWriteString(HKEY_CURRENT_USER, T(kNested), "Version", "1.07"), 0);
  EXPECT_EQ(Error(), "ERROR, sub key dont exist");
  EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, kBase));

  PutKey(HKEY_CURRENT_USER, kBase);
  EXPECT_EQ(RegWriteString(HKEY_CURRENT_USER, T(kBase), "Empty", ""), 1);
  RawValue empty = GetValue(HKEY_CURRENT_USER, kBase, "Empty");
  EXPECT_EQ(empty.type, static_cast<DWORD>(REG_SZ));
  EXPECT_EQ(empty.data, std::string(1, '\0'));

  PutValue(HKEY_CURRENT_USER, kBase, "Typed", REG_DWORD, std::string("\x01\0\0\0", 4));
  EXPECT_EQ(RegWriteString(HKEY_CURRENT_USER, T(kBase), "Typed", "Größe"), 1);
  RawValue typed = GetValue(HKEY_CURRENT_USER, kBase, "Typed");
  EXPECT_EQ(typed.type, static_cast<DWORD>(REG_SZ));
  EXPECT_EQ(typed.data, std::string("Größe", 6));
  EXPECT_EQ(Error(), "");
}

TEST_F(RegistryAccess, WriteFailureIsReported) {
  PutKey(HKEY_CURRENT_USER, kBase);
  // Wine, like Windows, refuses value names longer than 16383 characters.
  EXPECT_EQ(RegWriteString(HKEY_CURRENT_USER, T(kBase), std::string(16384, 'v').c_str(), "x"), 0);
  EXPECT_EQ(Error(), "ERROR, can\xB4t write value");
}

TEST_F(RegistryAccess, ListsSubkeysInOrderUntilTheEnd) {
  for (const char* name : {"beta", "Alpha", "gamma"}) PutKey(HKEY_CURRENT_USER, kBase + "\\List\\" + name);
  PutKey(HKEY_CURRENT_USER, kBase + "\\List\\beta\\below");
  const std::string list = kBase + "\\List";
  EXPECT_STREQ(RegEnumSubKey(HKEY_CURRENT_USER, T(list), 0).c_str(), "Alpha");
  EXPECT_STREQ(RegEnumSubKey(HKEY_CURRENT_USER, T(list + "\\"), 1).c_str(), "beta");
  EXPECT_STREQ(RegEnumSubKey(HKEY_CURRENT_USER, T("\\" + list), 2).c_str(), "gamma");
  EXPECT_EQ(Error(), "");
  EXPECT_TRUE(RegEnumSubKey(HKEY_CURRENT_USER, T(list), 3).empty());
  EXPECT_EQ(Error(), "ERROR, index is empty");
  EXPECT_TRUE(RegEnumSubKey(HKEY_CURRENT_USER, T(list), -1).empty());
  EXPECT_EQ(Error(), "ERROR, index is empty");
  EXPECT_TRUE(RegEnumSubKey(HKEY_CURRENT_USER, T(list + "\\gamma"), 0).empty());
  EXPECT_EQ(Error(), "ERROR, index is empty");
  EXPECT_TRUE(RegEnumSubKey(HKEY_CURRENT_USER, T(list + "\\delta"), 0).empty());
  EXPECT_EQ(Error(), "ERROR, sub key dont exist");
}

TEST_F(RegistryAccess, NameOf255CharactersEndsTheListing) {
  const std::string list = kBase + "\\Long";
  PutKeyBelow(HKEY_CURRENT_USER, list, "a" + std::string(253, 'x'));
  PutKeyBelow(HKEY_CURRENT_USER, list, "b" + std::string(254, 'x'));
  PutKeyBelow(HKEY_CURRENT_USER, list, "c");
  EXPECT_EQ(RegEnumSubKey(HKEY_CURRENT_USER, T(list), 0).length(), 254);
  EXPECT_TRUE(RegEnumSubKey(HKEY_CURRENT_USER, T(list), 1).empty());
  EXPECT_EQ(Error(), "ERROR, index is empty");
}
