#include <gtest/gtest.h>

#include "registry/registry_rules.h"

namespace {

struct NamedRoot {
  const char* name;
  uint32_t value;
};

constexpr NamedRoot kSevenRoots[] = {
    {"#HKEY_CLASSES_ROOT", 0x80000000u},  {"#HKEY_CURRENT_USER", 0x80000001u}, {"#HKEY_LOCAL_MACHINE", 0x80000002u},
    {"#HKEY_USERS", 0x80000003u},         {"#HKEY_PERFORMANCE_DATA", 0x80000004u},
    {"#HKEY_CURRENT_CONFIG", 0x80000005u}, {"#HKEY_DYN_DATA", 0x80000006u},
};

}  // namespace

TEST(RegistryRoots, ExactlyTheSevenPredefinedRootsAreAcceptedAndNamed) {
  for (const NamedRoot& root : kSevenRoots) {
    EXPECT_TRUE(IsAcceptedRoot(root.value)) << root.name;
    EXPECT_STREQ(RootName(root.value).c_str(), root.name);
    EXPECT_EQ(RootFromName(root.name), root.value) << root.name;
  }
  // 0, the neighbours of the range and values that look like handles a caller opened itself.
  for (uint32_t other : {0u, 0x7FFFFFFFu, 0x80000007u, 0x80000050u, 0x00000001u, 0x000000A0u, 0xFFFFFFFFu}) {
    EXPECT_FALSE(IsAcceptedRoot(other)) << std::hex << other;
    EXPECT_TRUE(RootName(other).empty());
  }
}

TEST(RegistryRoots, OnlyTheHeadBeforeTheFirstBackslashNamesTheRoot) {
  EXPECT_EQ(RootFromName("#Hkey_Classes_Root\\PureBasic.exe\\shell\\open\\command\\"), 0x80000000u);
  EXPECT_EQ(RootFromName("#HKEY_CURRENT_USER\\#HKEY_USERS\\"), 0x80000001u);
  EXPECT_EQ(RootFromName("\\#HKEY_USERS"), 0u);
  EXPECT_EQ(RootFromName("#HKEY_CURRENT_USERS\\x"), 0u);
  EXPECT_EQ(RootFromName("#HKEY_CURRENT_USER \\x"), 0u);
}

TEST(RegistryKeyPath, OnlyOneLeadingBackslashIsDroppedAndTheTrailingOneStays) {
  EXPECT_STREQ(KeyPathForOpen("\\Software\\Dorvanix").c_str(), "Software\\Dorvanix");
  EXPECT_STREQ(KeyPathForOpen("Software\\Dorvanix\\Velk400\\").c_str(), "Software\\Dorvanix\\Velk400\\");
  EXPECT_STREQ(KeyPathForOpen("\\\\Software").c_str(), "\\Software");
  EXPECT_STREQ(KeyPathForOpen("\\").c_str(), "");
  EXPECT_STREQ(KeyPathForOpen("\\Velk400\\").c_str(), "Velk400\\");
}

TEST(RegistryStringData, ZeroBytesAreSkippedWhereverTheyStand) {
  const char inner[] = {'a', 'b', 0, 'c', 'd', 0};
  EXPECT_STREQ(TextFromRegistryData(inner, 6).c_str(), "abcd");
  EXPECT_EQ(TextFromRegistryData(inner, 6).length(), 4);
  // The reported count decides how far is read, not the first zero byte.
  EXPECT_STREQ(TextFromRegistryData(inner, 4).c_str(), "abc");
  const char zeros[] = {0, 0, 0};
  EXPECT_TRUE(TextFromRegistryData(zeros, 3).empty());
  EXPECT_TRUE(TextFromRegistryData(inner, 0).empty());
  EXPECT_TRUE(TextFromRegistryData(nullptr, 5).empty());
  const char high[] = {'\xB4', '\xFF', '\x80', 0};
  EXPECT_STREQ(TextFromRegistryData(high, 4).c_str(), "\xB4\xFF\x80");
}
