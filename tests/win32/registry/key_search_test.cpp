#include <gtest/gtest.h>

#include <string>

#include "registry/key_search.h"
#include "platform/last_error.h"
#include "registry_test_keys.h"

namespace {

const std::string kBase = "Software\\VelkorSearchTest";

std::string Error() { return LastErrorText().c_str(); }

std::string Find(HKEY root, const std::string& start, const std::string& name) {
  return RegFindSubKey(root, start.c_str(), name.c_str()).c_str();
}

class KeySearch : public ::testing::Test {
protected:
  ScratchKeys keys{{HKEY_CURRENT_USER, kBase.c_str()}, {HKEY_CLASSES_ROOT, "PureBasic.exe"}};
};

}  // namespace

TEST_F(KeySearch, FindsTheCommandKeyBelowPureBasicInTheClassesRoot) {
  PutKey(HKEY_CLASSES_ROOT, "PureBasic.exe\\DefaultIcon");
  PutKey(HKEY_CLASSES_ROOT, "PureBasic.exe\\Edit\\open");
  PutKey(HKEY_CLASSES_ROOT, "PureBasic.exe\\shell\\edit\\ddeexec");
  PutKey(HKEY_CLASSES_ROOT, "PureBasic.exe\\shell\\open\\command");
  SetLastErrorText("stale");
  EXPECT_EQ(Find(HKEY_CLASSES_ROOT, "PureBasic.exe", "command"),
            "#HKEY_CLASSES_ROOT\\PureBasic.exe\\shell\\open\\command\\");
  EXPECT_EQ(Error(), "");
  // The key path after the root's name reads back through the root it names.
  const Text found = RegFindSubKey(HKEY_CLASSES_ROOT, "PureBasic.exe", "open");
  EXPECT_STREQ(found.c_str(), "#HKEY_CLASSES_ROOT\\PureBasic.exe\\Edit\\open\\");
  EXPECT_EQ(RegRootFromName(found), HKEY_CLASSES_ROOT);
}

TEST_F(KeySearch, ComparesNamesWithTheirLetterCase) {
  PutKey(HKEY_CURRENT_USER, kBase + "\\a\\shell\\open\\Command");
  EXPECT_EQ(Find(HKEY_CURRENT_USER, kBase, "command"), "");
  EXPECT_EQ(Error(), "ERROR, can\xB4t find searching subkey");
  PutKey(HKEY_CURRENT_USER, kBase + "\\b\\command");
  EXPECT_EQ(Find(HKEY_CURRENT_USER, kBase, "command"), "#HKEY_CURRENT_USER\\" + kBase + "\\b\\command\\");
  EXPECT_EQ(Find(HKEY_CURRENT_USER, kBase, "Command"), "#HKEY_CURRENT_USER\\" + kBase + "\\a\\shell\\open\\Command\\");
}

TEST_F(KeySearch, DepthFirstInListingOrderWinsOverNearness) {
  PutKey(HKEY_CURRENT_USER, kBase + "\\a\\deep\\deeper\\target");
  PutKey(HKEY_CURRENT_USER, kBase + "\\b\\target");
  PutKey(HKEY_CURRENT_USER, kBase + "\\target");
  EXPECT_EQ(Find(HKEY_CURRENT_USER, kBase, "target"),
            "#HKEY_CURRENT_USER\\" + kBase + "\\a\\deep\\deeper\\target\\");
  // A leading backslash on the start key carries into the found path unchanged.
  EXPECT_EQ(Find(HKEY_CURRENT_USER, "\\" + kBase + "\\b", "target"),
            "#HKEY_CURRENT_USER\\" + kBase + "\\b\\target\\");
}

TEST_F(KeySearch, StartKeyItselfIsNeverCompared) {
  PutKey(HKEY_CURRENT_USER, kBase + "\\target\\other");
  EXPECT_EQ(Find(HKEY_CURRENT_USER, kBase + "\\target", "target"), "");
  EXPECT_EQ(Error(), "ERROR, can\xB4t find searching subkey");
  PutKey(HKEY_CURRENT_USER, kBase + "\\target\\other\\target");
  EXPECT_EQ(Find(HKEY_CURRENT_USER, kBase + "\\target", "target"),
            "#HKEY_CURRENT_USER\\" + kBase + "\\target\\other\\target\\");
}

TEST_F(KeySearch, EmptyStartKeySearchesFromTheRoot) {
  PutKey(HKEY_CURRENT_USER, kBase + "\\x\\VelkorOnlyHere");
  EXPECT_EQ(Find(HKEY_CURRENT_USER, "", "VelkorOnlyHere"), "#HKEY_CURRENT_USER\\" + kBase + "\\x\\VelkorOnlyHere\\");
  EXPECT_EQ(Error(), "");
}

TEST_F(KeySearch, ArgumentsAreCheckedNameFirst) {
  EXPECT_EQ(Find(nullptr, "Software", ""), "");
  EXPECT_EQ(Error(), "ERROR, no given search name");
  EXPECT_EQ(Find(HKEY_CURRENT_USER, "Software", ""), "");
  EXPECT_EQ(Error(), "ERROR, no given search name");
  EXPECT_EQ(Find(nullptr, "Software", "command"), "");
  EXPECT_EQ(Error(), "ERROR, #HKEY is empty");
  // A start key that does not exist has nothing below it.
  EXPECT_EQ(Find(HKEY_CURRENT_USER, kBase + "\\absent", "command"), "");
  EXPECT_EQ(Error(), "ERROR, can\xB4t find searching subkey");
}

TEST_F(KeySearch, FoundPathIsCutAt400CharactersOnItsWayUp) {
  // Wine's ANSI entry points take key paths of at most 259 characters, so the long part is the found name:
  // the level that finds it never opens it.
  const std::string cut = kBase + "\\Cut";
  const std::string middle = "a" + std::string(199, 'm');
  const std::string name = std::string(200, 'T');
  PutKeyBelow(HKEY_CURRENT_USER, cut + "\\" + middle, name);
  const std::string full = cut + "\\" + middle + "\\" + name + "\\";
  ASSERT_GT(full.size(), 400u);
  // The level above the find cuts the path, loses the name and has no further child: the cut text is handed up.
  EXPECT_EQ(Find(HKEY_CURRENT_USER, cut, name), "#HKEY_CURRENT_USER\\" + full.substr(0, 400));
  EXPECT_EQ(Error(), "");

  // A later child's search result replaces the cut text, even an empty one.
  PutKey(HKEY_CURRENT_USER, cut + "\\b");
  EXPECT_EQ(Find(HKEY_CURRENT_USER, cut, name), "");
  EXPECT_EQ(Error(), "ERROR, can\xB4t find searching subkey");
  PutKeyBelow(HKEY_CURRENT_USER, cut + "\\b", name);
  EXPECT_EQ(Find(HKEY_CURRENT_USER, cut, name), "#HKEY_CURRENT_USER\\" + cut + "\\b\\" + name + "\\");
}

TEST(RootFromName, TurnsTheHeadOfAPathTextIntoItsRoot) {
  SetLastErrorText("stale");
  EXPECT_EQ(RegRootFromName("#hkey_local_machine\\software\\classes\\"), HKEY_LOCAL_MACHINE);
  EXPECT_EQ(Error(), "");
  EXPECT_EQ(RegRootFromName("#HKEY_PERFORMANCE_DATA\\x"), HKEY_PERFORMANCE_DATA);
  EXPECT_EQ(RegRootFromName("HKEY_LOCAL_MACHINE\\software"), static_cast<HKEY>(nullptr));
  EXPECT_EQ(Error(), "ERROR, false #HKEY name");
  SetLastErrorText("stale");
  EXPECT_EQ(RegRootFromName(""), static_cast<HKEY>(nullptr));
  EXPECT_EQ(Error(), "ERROR, false #HKEY name");
}
