// Unattended runs of the real installer under Wine, each watched for any window of its process.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "tests/e2e/installer_session.h"
#include "tests/e2e/stand_in_host.h"

using namespace e2e;

namespace {

std::string installerPath;

struct Outcome {
  DWORD exitCode = 0xFFFFFFFF;
  bool windowSeen = false;
  double seconds = 0;  // from the start to the end of the process
};

Outcome RunInstaller(const std::string& arguments) {
  Outcome outcome;
  LARGE_INTEGER started, ended, frequency;
  QueryPerformanceCounter(&started);
  ui::Process process = ui::ProcessStart(installerPath, arguments);
  ui::WaitUntil([&] {
    outcome.windowSeen = outcome.windowSeen || !ui::TopWindows(nullptr, nullptr, process.id()).empty();
    return outcome.windowSeen || !process.Running();
  }, 30000, 5);
  QueryPerformanceCounter(&ended);
  QueryPerformanceFrequency(&frequency);
  outcome.seconds = static_cast<double>(ended.QuadPart - started.QuadPart) / static_cast<double>(frequency.QuadPart);
  process.Kill();  // only a run that showed a window or hung is still there
  process.Wait(0, &outcome.exitCode);
  return outcome;
}

std::string Lines(std::initializer_list<std::string> lines) {
  std::string text;
  for (const std::string& line : lines) text += line + "\r\n";
  return text;
}

// The progress window's lines as the log file holds them.
std::string InstallLog(bool newFolders) {
  std::string log = Lines({"Starte die Installation ...", "", "Library entpackt", "Library Hilfe entpackt"});
  if (newFolders)
    log += Lines({"Directory <Examples> erstellt", "Directory <Examples\\QZLibs> erstellt",
                  "Directory <Examples\\QZLibs\\Bilder> erstellt"});
  for (char n = '1'; n <= '6'; ++n) log += Lines({std::string("Bild ") + n + " für Demo entpackt"});
  return log + Lines({"Beispiel 1 entpackt", "", "Installation erfolgreich abgeschlossen", "",
                      "Es wird versucht, den Compiler neu zu starten ...", "",
                      "Sollte die Library nicht eingebunden worden sein,",
                      "weil der Compiler nicht neu gestartet werden konnte,",
                      "so starten Sie bitte neu um die Library und deren", "Hilfe einzubinden."});
}

}  // namespace

class SilentRun : public ::testing::Test {
protected:
  void SetUp() override {
    CleanRegistry();
    folder_ = FreshFolder("silent");
    ASSERT_FALSE(folder_.empty());
    log_ = folder_ + "setup.log";
    host_ = folder_ + "PureBasic\\";
    ASSERT_TRUE(CreateDirectoryA(host_.c_str(), nullptr) && MakeStandInHost(host_) && RegisterPureBasic(host_));
  }
  void TearDown() override {
    CleanRegistry();
    if (!disk_.empty()) UnmountSmallDisk(disk_, kDiskBytes);
    RemoveTree(folder_);
  }
  void Expect(const std::string& arguments, DWORD exitCode) {
    const Outcome outcome = RunInstaller(arguments);
    EXPECT_FALSE(outcome.windowSeen) << arguments;
    EXPECT_EQ(outcome.exitCode, exitCode) << arguments;
  }
  static constexpr unsigned kDiskBytes = 64 * 1024;
  std::string folder_, log_, host_, disk_;
};

TEST_F(SilentRun, FirstInstallWithALogThenARepairAndAnUnwritableLog) {
  BroadcastListener listener;
  const Outcome first = RunInstaller("/S /LOG=" + log_);
  std::printf("silent first install: %.3f s from start to exit\n", first.seconds);
  EXPECT_FALSE(first.windowSeen);
  EXPECT_EQ(first.exitCode, 0u);
  EXPECT_EQ(ReadFileBytes(log_), InstallLog(true));
  EXPECT_EQ(RecordValue("Version"), "1007");
  EXPECT_NE(ReadFileBytes(host_ + "Compilers\\called.txt").find("/VERSION"), std::string::npos);
  EXPECT_TRUE(ui::WaitUntil([&] { return listener.Received() == 1; }, 5000));

  Expect("/s /log=" + log_, 0);
  EXPECT_EQ(ReadFileBytes(log_), InstallLog(false));
  Expect("/S /LOG=" + folder_ + "missing\\setup.log", 2);
}

// Nothing registered; the folder given has spaces in its names and does not exist yet.
TEST_F(SilentRun, NewFolderWithSpacesGetsTheWarningTextAndTheLibraryFolders) {
  CleanRegistry();
  const std::string target = folder_ + "Pure Basic\\new  folder";
  Expect("/LOG=" + log_ + " /S /D=" + target + " ", 0);
  EXPECT_EQ(ReadFileBytes(log_), Lines({"Im angegebenen Pfad befindet sich keine PureBasic.exe.",
                                        "Möglicherweise wird die Installation unvollständig ausgeführt.", ""}) +
                                     InstallLog(true));
  EXPECT_TRUE(FileExists(target + "\\PureLibraries\\UserLibraries\\Velkor_400"));
}

TEST_F(SilentRun, RefusalsAndBadCommandLinesWriteOnlyTheirText) {
  const std::string usage = "Aufruf: Velkor400_Setup.exe [/S] [/LOG=Datei] [/D=Ordner]\r\n";
  ASSERT_TRUE(WriteRecord("1008", "01.01.2008"));
  Expect("/S /LOG=" + log_, 1);
  EXPECT_EQ(ReadFileBytes(log_), Lines({"Die Setupversion ist älter als eine bereits installierte Version.", "",
                                        "Der Vorgang wird abgebrochen."}));
  Expect("/S /X /LOG=" + log_, 3);
  EXPECT_EQ(ReadFileBytes(log_).rfind(usage, 0), 0u);
  CleanRegistry();
  Expect("/S /LOG=" + log_, 3);
  EXPECT_EQ(ReadFileBytes(log_).rfind(usage, 0), 0u);
  EXPECT_FALSE(RecordKeyExists());
  EXPECT_FALSE(FileExists(host_ + "PureLibraries\\UserLibraries\\Velkor_400"));
}

TEST_F(SilentRun, FullDiskEndsWithErrors) {
  disk_ = folder_ + "small\\";
  ASSERT_TRUE(CreateDirectoryA(disk_.c_str(), nullptr));
  ASSERT_TRUE(MountSmallDisk(disk_, kDiskBytes));
  Expect("/S /LOG=" + log_ + " /D=" + disk_, 2);
  EXPECT_NE(ReadFileBytes(log_).find(" nicht entpackt\r\n"), std::string::npos);
  EXPECT_NE(ReadFileBytes(log_).find("\r\nInstallation mit Fehlern beendet\r\n"), std::string::npos);
}

TEST_F(SilentRun, SecondCopyEndsAtOnceWhileAnInteractiveOneRuns) {
  InstallerRun interactive(installerPath);
  ASSERT_TRUE(interactive.Start());
  ASSERT_TRUE(interactive.WaitDialog());
  const HWND foreground = GetForegroundWindow();
  Expect("/S /LOG=" + log_, 4);
  EXPECT_EQ(GetForegroundWindow(), foreground);
  EXPECT_FALSE(FileExists(log_));
  ASSERT_TRUE(interactive.Cancel());
  DWORD exitCode = 1;
  ASSERT_TRUE(interactive.WaitExit(&exitCode));
  EXPECT_EQ(exitCode, 0u);
}

int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);
  if (argc < 2) return 2;
  installerPath = argv[1][0] == '/' ? WindowsPathOf(argv[1]) : argv[1];
  return RUN_ALL_TESTS();
}
