// An installer runs from a download folder where anything may lie: DLLs named like system DLLs are planted next
// to the exe, Wine is told to prefer such native copies, and a whole installation must never load one.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "tests/e2e/installer_session.h"
#include "tests/e2e/stand_in_host.h"
#include "tests/support/ui_driver.h"

using namespace e2e;

namespace {

std::string installerPath;

const char* const kPlantedNames[] = {"riched20", "riched32", "version", "uxtheme", "dwmapi", "msftedit", "cryptbase"};
const char kAppDefaults[] = "Software\\Wine\\AppDefaults\\";

// Wine loads a native copy of these DLLs first (from wherever the search finds one) for the program named.
void PreferNativeCopies(const char* program) {
  const std::string key = std::string(kAppDefaults) + program + "\\DllOverrides";
  HKEY overrides = nullptr;
  ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, key.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &overrides,
                            nullptr),
            ERROR_SUCCESS);
  for (const char* name : kPlantedNames)
    RegSetValueExA(overrides, name, 0, REG_SZ, reinterpret_cast<const BYTE*>("native,builtin"), 15);
  RegCloseKey(overrides);
}

void ForgetOverrides(const char* program) {
  RegDeleteTreeA(HKEY_CURRENT_USER, (std::string(kAppDefaults) + program).c_str());
}

std::vector<std::string> MarkersIn(const std::string& folder) {
  std::vector<std::string> found;
  WIN32_FIND_DATAA entry;
  HANDLE search = FindFirstFileA((folder + "*.loaded").c_str(), &entry);
  if (search == INVALID_HANDLE_VALUE) return found;
  do found.push_back(entry.cFileName);
  while (FindNextFileA(search, &entry));
  FindClose(search);
  return found;
}

class DllPlanting : public ::testing::Test {
protected:
  void SetUp() override {
    CleanRegistry();
    download_ = FreshFolder("download");
    const std::string programs = ui::ProgramFolder();
    ASSERT_TRUE(CopyFileA(installerPath.c_str(), (download_ + "Velkor400_Setup.exe").c_str(), FALSE));
    ASSERT_TRUE(CopyFileA((programs + "e2e_planting_probe.exe").c_str(), (download_ + "probe.exe").c_str(), FALSE));
    for (const char* name : kPlantedNames)
      ASSERT_TRUE(CopyFileA((programs + "e2e_planted_marker.dll").c_str(),
                            (download_ + name + ".dll").c_str(), FALSE));
    PreferNativeCopies("probe.exe");
    PreferNativeCopies("Velkor400_Setup.exe");
  }
  void TearDown() override {
    ForgetOverrides("probe.exe");
    ForgetOverrides("Velkor400_Setup.exe");
    CleanRegistry();
    RemoveTree(download_);
    if (!host_.empty()) RemoveTree(host_);
  }
  std::string download_;
  std::string host_;
};

TEST_F(DllPlanting, WholeInstallLoadsNoDllFromItsOwnFolder) {
  // The planted copies are really taken by a program that loads DLLs by bare name.
  ui::Process probe = ui::ProcessStart(download_ + "probe.exe", "", download_);
  ASSERT_TRUE(probe.started());
  ASSERT_TRUE(probe.Wait(20000));
  const std::vector<std::string> probed = MarkersIn(download_);
  ASSERT_FALSE(probed.empty()) << "the planted DLLs were never taken; the check below would prove nothing";
  for (const std::string& marker : probed) DeleteFileA((download_ + marker).c_str());

  host_ = FreshFolder("planting-host");
  const std::string root = host_ + "PureBasic\\";
  ASSERT_TRUE(MakeStandInHost(root));
  ASSERT_TRUE(RegisterPureBasic(root));

  Walkthrough walk;
  walk.folder = root;
  const WalkOutcome outcome = Walk(download_ + "Velkor400_Setup.exe", walk);
  ASSERT_EQ(outcome.failedStep, "");
  EXPECT_EQ(outcome.exitCode, 0u);
  ASSERT_FALSE(outcome.log.empty());
  EXPECT_EQ(outcome.log.back(), "Hilfe einzubinden.");
  EXPECT_EQ(MarkersIn(download_), std::vector<std::string>());
}

}  // namespace

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  if (argc < 2) {
    std::fprintf(stderr, "usage: e2e_dll_planting <installer exe>\n");
    return 2;
  }
  installerPath = argv[1];
  return RUN_ALL_TESTS();
}
