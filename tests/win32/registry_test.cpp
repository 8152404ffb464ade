// The registry family reads only string values, whatever else a key holds, and the key search cuts a long
// found path. Both are only seen through what the installer later finds.
#include <gtest/gtest.h>

#include "platform/scoped_resources.h"
#include "registry/key_search.h"
#include "registry/registry_access.h"
#include "tests/support/fixtures.h"

namespace {

const std::string kKey = "Software\\VelkorTest";

class Registry : public ::testing::Test {
protected:
  void SetUp() override { fx::CleanRegistry(); }
  void TearDown() override { fx::CleanRegistry(); }
};

std::string Read(const std::string& key, const char* name) { return RegReadString(HKEY_CURRENT_USER, key.c_str(), name).c_str(); }
std::string Find(const std::string& start, const std::string& name) {
  return RegFindSubKey(HKEY_CURRENT_USER, start.c_str(), name.c_str()).c_str();
}

// Wine's ANSI calls take key paths of at most 259 characters: a long name is created below its opened parent.
bool PutKeyBelow(const std::string& parent, const std::string& name) {
  ScopedKey opened, created;
  return RegCreateKeyExA(HKEY_CURRENT_USER, parent.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                         opened.Receive(), nullptr) == ERROR_SUCCESS &&
         RegCreateKeyExA(opened.get(), name.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, created.Receive(),
                         nullptr) == ERROR_SUCCESS;
}

}  // namespace

TEST_F(Registry, ReadsOnlyStringValues) {
  const std::string longest(1024 * 1024 - 1, 'a');  // values are read up to 1 MB, terminator included
  const struct {
    DWORD type;
    std::string data, text;
  } cases[] = {
      {REG_SZ, longest + '\0', longest},
      {REG_SZ, longest + "a" + '\0', ""},
      {REG_SZ, std::string("1007\0", 5), "1007"},
      {REG_SZ, std::string("ab\0cd\0", 6), "abcd"},  // zero bytes inside are skipped
      {REG_SZ, "", ""},
      {REG_SZ, "ohne Ende", "ohne Ende"},
      {REG_EXPAND_SZ, std::string("%TEMP%\0", 7), ""},
      {REG_MULTI_SZ, std::string("a\0b\0\0", 5), ""},
      {REG_DWORD, std::string("\x07\x04\0\0", 4), ""},
      {REG_BINARY, "13.09.2007", ""},
  };
  for (const auto& c : cases) {
    ASSERT_TRUE(fx::PutValue(HKEY_CURRENT_USER, kKey, "Version", c.type, c.data));
    EXPECT_EQ(Read(kKey, "Version"), c.text) << c.type << " " << c.data.substr(0, 20);
  }
  // Writing replaces a value of another type by a string.
  EXPECT_EQ(RegWriteString(HKEY_CURRENT_USER, kKey.c_str(), "Version", "1.07"), 1);
  EXPECT_EQ(Read(kKey, "Version"), "1.07");
}

TEST_F(Registry, KeySearchGoesDepthFirstAndCutsTheFoundPathAt400) {
  ASSERT_TRUE(PutKeyBelow(kKey + "\\a\\deep", "target"));
  ASSERT_TRUE(PutKeyBelow(kKey + "\\b", "target"));
  EXPECT_EQ(Find(kKey, "target"), "#HKEY_CURRENT_USER\\" + kKey + "\\a\\deep\\target\\");
  EXPECT_EQ(Find(kKey, "Target"), "");
  // The level above the find cuts the path, loses the name and has no further child: the cut text is handed up.
  const std::string cut = kKey + "\\Cut", middle = "a" + std::string(199, 'm'), name(200, 'T');
  ASSERT_TRUE(PutKeyBelow(cut + "\\" + middle, name));
  const std::string full = cut + "\\" + middle + "\\" + name + "\\";
  EXPECT_EQ(Find(cut, name), "#HKEY_CURRENT_USER\\" + full.substr(0, 400));
}
