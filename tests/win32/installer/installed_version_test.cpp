// The installed-version lookup against a real registry and file system: the cases the whole runs do not reach.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "installer/installed_version.h"
#include "installer/run_state.h"

namespace {

constexpr char kRecordKey[] = "Software\\Dorvanix\\Velk400";

void WriteRecord(const char* version, const char* date) {
  HKEY key = nullptr;
  ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, kRecordKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr),
            ERROR_SUCCESS);
  RegSetValueExA(key, "Version", 0, REG_SZ, reinterpret_cast<const BYTE*>(version),
                 static_cast<DWORD>(strlen(version) + 1));
  RegSetValueExA(key, "Date", 0, REG_SZ, reinterpret_cast<const BYTE*>(date), static_cast<DWORD>(strlen(date) + 1));
  RegCloseKey(key);
}

class InstalledVersion : public ::testing::Test {
protected:
  void SetUp() override {
    RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\Dorvanix");
    char temp[MAX_PATH + 1] = {};
    GetTempPathA(MAX_PATH, temp);
    root_ = std::string(temp) + "velkor-installed-version-" + std::to_string(GetCurrentProcessId()) + "\\";
    CreateDirectoryA(root_.c_str(), nullptr);
    CreateDirectoryA((root_ + "examples").c_str(), nullptr);
    CreateDirectoryA((root_ + "examples\\QZLibs").c_str(), nullptr);
    SetReleaseConstants(run_);
    DeriveVersionNumber(run_);
    run_.installRoot = root_.c_str();
  }

  void TearDown() override {
    RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\Dorvanix");
    SetFileAttributesA(Legacy().c_str(), FILE_ATTRIBUTE_NORMAL);
    DeleteFileA(Legacy().c_str());
    RemoveDirectoryA((root_ + "examples\\QZLibs").c_str());
    RemoveDirectoryA((root_ + "examples").c_str());
    RemoveDirectoryA(root_.c_str());
  }

  std::string Legacy() const { return root_ + "examples\\QZLibs\\velkvers"; }

  void WriteLegacy(const std::string& content) {
    HANDLE file = CreateFileA(Legacy().c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    DWORD written = 0;
    WriteFile(file, content.data(), static_cast<DWORD>(content.size()), &written, nullptr);
    CloseHandle(file);
  }

  bool LegacyExists() const { return GetFileAttributesA(Legacy().c_str()) != INVALID_FILE_ATTRIBUTES; }

  std::string root_;
  RunState run_;
};

}  // namespace

TEST_F(InstalledVersion, ShortLegacyFilesReadMissingLinesAsEmpty) {
  WriteRecord("1008", "01.01.2008");
  WriteLegacy("1006");
  LookUpInstalledVersion(run_);
  EXPECT_EQ(run_.installedVersion, 1006);
  EXPECT_STREQ(run_.installedDate.c_str(), "");

  RunState empty = run_;
  empty.installedVersion = 99;
  WriteLegacy("");
  LookUpInstalledVersion(empty);
  EXPECT_EQ(empty.installedVersion, 0);
  EXPECT_STREQ(empty.installedDate.c_str(), "");
}

// A legacy file that appears after a lookup from the registry is not the one this run read, and stays.
TEST_F(InstalledVersion, WithoutLegacyFileNothingIsDeleted) {
  WriteRecord("1005", "01.02.2007");
  LookUpInstalledVersion(run_);
  EXPECT_EQ(run_.installedVersion, 1005);
  WriteLegacy("1004\r\n01.01.2007\r\n");
  DeleteLegacyVersionFile(run_);
  EXPECT_TRUE(LegacyExists());
}

// Without a PureBasic directory the legacy path leads into the current folder: a file there is a stranger's.
TEST_F(InstalledVersion, WithoutAnAbsoluteRootTheCurrentFoldersFileIsNeitherReadNorDeleted) {
  WriteRecord("1005", "01.02.2007");
  WriteLegacy("9999\r\n01.01.2099\r\n");
  char previous[MAX_PATH + 1] = {};
  GetCurrentDirectoryA(MAX_PATH, previous);
  ASSERT_TRUE(SetCurrentDirectoryA(root_.c_str()));
  for (const char* root : {"", ".\\"}) {
    RunState run = run_;
    run.installRoot = root;
    LookUpInstalledVersion(run);
    EXPECT_EQ(run.installedVersion, 1005) << root;
    DeleteLegacyVersionFile(run);
    EXPECT_TRUE(LegacyExists()) << root;
  }
  SetCurrentDirectoryA(previous);
}
