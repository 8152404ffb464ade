// Unattended runs of the real installer under Wine, each watched for any window of its process.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "tests/e2e/install_log.h"
#include "tests/support/driver.h"
#include "tests/support/fixtures.h"

namespace {

struct Outcome {
  DWORD exitCode = 0xFFFFFFFF;
  bool windowSeen = false;
  double seconds = 0;  // from the start to the end of the process
};

Outcome RunInstaller(const std::string& arguments) {
  Outcome outcome;
  LARGE_INTEGER started, ended, frequency;
  QueryPerformanceCounter(&started);
  const ui::Process process = ui::Start(fx::InstallerPath(), arguments);
  ui::WaitUntil([&] {
    outcome.windowSeen = outcome.windowSeen || !ui::TopWindows(process.id, nullptr, nullptr, false).empty();
    return outcome.windowSeen || !ui::Running(process);
  });
  QueryPerformanceCounter(&ended);
  QueryPerformanceFrequency(&frequency);
  outcome.seconds = static_cast<double>(ended.QuadPart - started.QuadPart) / static_cast<double>(frequency.QuadPart);
  ui::Kill(process);  // only a run that showed a window or hung is still there
  ui::WaitExit(process, &outcome.exitCode, 0);
  return outcome;
}

std::string Lines(std::initializer_list<std::string> lines) {
  std::string text;
  for (const std::string& line : lines) text += line + "\r\n";
  return text;
}

class SilentRun : public ::testing::Test {
protected:
  void SetUp() override {
    fx::CleanRegistry();
    fx::ResetRestarts();
    folder_ = fx::FreshFolder("silent");
    ASSERT_FALSE(folder_.empty());
    log_ = folder_ + "setup.log";
    host_ = folder_ + "PureBasic\\";
    ASSERT_TRUE(fx::MakeHost(host_) && fx::Associate(host_));
  }
  void TearDown() override {
    fx::CleanRegistry();
    if (!disk_.empty()) fx::UnmountSmallDisk(disk_);
    fx::RemoveTree(folder_);
  }
  void Expect(const std::string& arguments, DWORD exitCode) {
    const Outcome outcome = RunInstaller(arguments);
    EXPECT_FALSE(outcome.windowSeen) << arguments;
    EXPECT_EQ(outcome.exitCode, exitCode) << arguments;
  }
  std::string folder_, log_, host_, disk_;
};

}  // namespace

TEST_F(SilentRun, FirstInstallWithALogThenARepairAndAnUnwritableLog) {
  const Outcome first = RunInstaller("/S /LOG=" + log_);
  std::printf("silent first install: %.3f s from start to exit\n", first.seconds);
  EXPECT_FALSE(first.windowSeen);
  EXPECT_EQ(first.exitCode, 0u);
  EXPECT_EQ(fx::ReadBytes(log_), ExpectedLog(0, 3));
  EXPECT_EQ(fx::RecordValue("Version"), "1007");
  EXPECT_NE(fx::ReadBytes(host_ + "Compilers\\called.txt").find("/VERSION"), std::string::npos);
  EXPECT_TRUE(ui::WaitUntil([] { return fx::Restarts() == 1; }));

  Expect("/s /log=" + log_, 0);
  EXPECT_EQ(fx::ReadBytes(log_), ExpectedLog(0, 0));
  Expect("/S /LOG=" + folder_ + "missing\\setup.log", 2);
}

// Nothing registered; the folder given has spaces in its names and does not exist yet.
TEST_F(SilentRun, NewFolderWithSpacesGetsTheWarningTextAndTheLibraryFolders) {
  fx::CleanRegistry();
  const std::string target = folder_ + "Pure Basic\\new  folder";
  Expect("/LOG=" + log_ + " /S /D=" + target + " ", 0);
  EXPECT_EQ(fx::ReadBytes(log_), Lines({"Im angegebenen Pfad befindet sich keine PureBasic.exe.",
                                        "Möglicherweise wird die Installation unvollständig ausgeführt.", ""}) +
                                     ExpectedLog(0, 3));
  EXPECT_TRUE(fx::Exists(target + "\\PureLibraries\\UserLibraries\\Velkor_400"));
}

TEST_F(SilentRun, RefusalsAndBadCommandLinesWriteOnlyTheirText) {
  const std::string usage = "Aufruf: Velkor400_Setup.exe [/S] [/LOG=Datei] [/D=Ordner]\r\n";
  ASSERT_TRUE(fx::WriteRecord("1008", "01.01.2008"));
  Expect("/S /LOG=" + log_, 1);
  EXPECT_EQ(fx::ReadBytes(log_), Lines({"Die Setupversion ist älter als eine bereits installierte Version.", "",
                                        "Der Vorgang wird abgebrochen."}));
  Expect("/S /X /LOG=" + log_, 3);
  EXPECT_EQ(fx::ReadBytes(log_).rfind(usage, 0), 0u);
  fx::CleanRegistry();
  Expect("/S /LOG=" + log_, 3);
  EXPECT_EQ(fx::ReadBytes(log_).rfind(usage, 0), 0u);
  EXPECT_FALSE(fx::RecordExists());
  EXPECT_FALSE(fx::Exists(host_ + "PureLibraries\\UserLibraries\\Velkor_400"));
}

TEST_F(SilentRun, FullDiskEndsWithErrors) {
  disk_ = folder_ + "small\\";
  ASSERT_TRUE(CreateDirectoryA(disk_.c_str(), nullptr));
  ASSERT_TRUE(fx::MountSmallDisk(disk_, 64 * 1024));
  Expect("/S /LOG=" + log_ + " /D=" + disk_, 2);
  EXPECT_NE(fx::ReadBytes(log_).find(" nicht entpackt\r\n"), std::string::npos);
  EXPECT_NE(fx::ReadBytes(log_).find("\r\nInstallation mit Fehlern beendet\r\n"), std::string::npos);
}

TEST_F(SilentRun, SecondCopyEndsAtOnceWhileAnInteractiveOneRuns) {
  const ui::Process interactive = ui::Start(fx::InstallerPath());
  HWND dialog = ui::WaitTopWindow(interactive.id, nullptr, "SETUP", "Abbruch");
  ASSERT_TRUE(dialog);
  const HWND foreground = GetForegroundWindow();
  Expect("/S /LOG=" + log_, 4);
  EXPECT_EQ(GetForegroundWindow(), foreground);
  EXPECT_FALSE(fx::Exists(log_));
  ASSERT_TRUE(ui::Click(ui::ChildWithText(dialog, "Button", "Abbruch")));
  DWORD exitCode = 1;
  ASSERT_TRUE(ui::WaitExit(interactive, &exitCode));
  EXPECT_EQ(exitCode, 0u);
}
