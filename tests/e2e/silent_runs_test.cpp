// Unattended runs of the real installer under Wine: every run is watched for any window of its process.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "tests/e2e/installer_session.h"
#include "tests/e2e/stand_in_host.h"

using namespace e2e;

namespace {

std::string installerPath;

struct SilentOutcome {
  DWORD exitCode = 0xFFFFFFFF;
  bool windowSeen = false;
  double seconds = 0;  // from the start to the end of the process
};

SilentOutcome RunInstaller(const std::string& arguments) {
  SilentOutcome outcome;
  LARGE_INTEGER started, ended, frequency;
  QueryPerformanceCounter(&started);
  ui::Process process = ui::ProcessStart(installerPath, arguments);
  if (!process.started()) return outcome;
  ui::WaitUntil([&] {
    if (!ui::TopWindows(nullptr, nullptr, process.id()).empty()) outcome.windowSeen = true;
    return outcome.windowSeen || !process.Running();
  }, 30000, 5);
  process.Kill();  // only a run that showed a window or hung is still there
  QueryPerformanceCounter(&ended);
  QueryPerformanceFrequency(&frequency);
  outcome.seconds = static_cast<double>(ended.QuadPart - started.QuadPart) / static_cast<double>(frequency.QuadPart);
  process.Wait(0, &outcome.exitCode);
  return outcome;
}

std::string Lines(std::initializer_list<std::string> lines) {
  std::string text;
  for (const std::string& line : lines) text += line + "\r\n";
  return text;
}

// The progress window's lines, each ended with CR LF as the log file holds them.
std::string InstallLog(bool newFolders, const char* verdict = "Installation erfolgreich abgeschlossen") {
  std::string items = Lines({"Starte die Installation ...", "", "Library entpackt", "Library Hilfe entpackt"});
  if (newFolders)
    items += Lines({"Directory <Examples> erstellt", "Directory <Examples\\QZLibs> erstellt",
                    "Directory <Examples\\QZLibs\\Bilder> erstellt"});
  for (char n = '1'; n <= '6'; ++n) items += Lines({std::string("Bild ") + n + " für Demo entpackt"});
  return items + Lines({"Beispiel 1 entpackt", "", verdict, "", "Es wird versucht, den Compiler neu zu starten ...",
                        "", "Sollte die Library nicht eingebunden worden sein,",
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
  }
  void TearDown() override {
    CleanRegistry();
    if (!disk_.empty()) UnmountSmallDisk(disk_, kDiskBytes);
    RemoveTree(folder_);
  }
  std::string Host(const char* name) {
    const std::string root = folder_ + name + "\\";
    return CreateDirectoryA(root.c_str(), nullptr) && MakeStandInHost(root) && RegisterPureBasic(root) ? root : "";
  }
  void ExpectNoWindowAnd(const SilentOutcome& outcome, DWORD exitCode) {
    EXPECT_FALSE(outcome.windowSeen);
    EXPECT_EQ(outcome.exitCode, exitCode);
  }
  static constexpr unsigned kDiskBytes = 64 * 1024;
  std::string folder_, log_, disk_;
};

TEST_F(SilentRun, FirstInstallWithALogThenARepairAndAnUnwritableLog) {
  const std::string root = Host("PureBasic");
  ASSERT_FALSE(root.empty());
  BroadcastListener listener;
  const SilentOutcome first = RunInstaller("/S /LOG=" + log_);
  std::printf("silent first install: %.3f s from start to exit\n", first.seconds);
  ExpectNoWindowAnd(first, 0);
  EXPECT_EQ(ReadFileBytes(log_), InstallLog(true));
  EXPECT_EQ(RecordValue("Version"), "1007");
  EXPECT_TRUE(FileExists(root + "examples\\QZLibs\\Velkor_400_test.pb"));
  EXPECT_NE(ReadFileBytes(root + "Compilers\\called.txt").find("/VERSION"), std::string::npos);
  EXPECT_TRUE(ui::WaitUntil([&] { return listener.Received() == 1; }, 5000));

  ExpectNoWindowAnd(RunInstaller("/s /log=" + log_), 0);
  EXPECT_EQ(ReadFileBytes(log_), InstallLog(false));
  ExpectNoWindowAnd(RunInstaller("/S /LOG=" + folder_ + "missing\\setup.log"), 2);
  EXPECT_FALSE(FileExists(folder_ + "missing\\setup.log"));
}

TEST_F(SilentRun, RefusalWritesNothingButItsText) {
  const std::string root = Host("PureBasic");
  ASSERT_FALSE(root.empty());
  ASSERT_TRUE(WriteRecord("1008", "01.01.2008"));
  ExpectNoWindowAnd(RunInstaller("/S /LOG=" + log_), 1);
  EXPECT_EQ(ReadFileBytes(log_),
            Lines({"Die Setupversion ist älter als eine bereits installierte Version.", "",
                   "Der Vorgang wird abgebrochen."}));
  EXPECT_EQ(RecordValue("Version"), "1008");
  EXPECT_FALSE(FileExists(root + "PureLibraries\\UserLibraries\\Velkor_400"));
}

// No PureBasic is registered; the folder given, with spaces in its names, does not exist yet.
TEST_F(SilentRun, NewFolderWithSpacesGetsTheWarningTextAndTheLibraryFolders) {
  const std::string target = folder_ + "Pure Basic\\new  folder";
  ExpectNoWindowAnd(RunInstaller("/LOG=" + log_ + " /S /D=" + target + " "), 0);
  EXPECT_EQ(ReadFileBytes(log_), Lines({"Im angegebenen Pfad befindet sich keine PureBasic.exe.",
                                        "Möglicherweise wird die Installation unvollständig ausgeführt.", ""}) +
                                     InstallLog(true));
  EXPECT_TRUE(FileExists(target + "\\PureLibraries\\UserLibraries\\Velkor_400"));
}

TEST_F(SilentRun, BadCommandLinesAndAMissingTargetWriteOnlyTheUsage) {
  for (const std::string& arguments : {"/S /LOG=" + log_, "/S /X /LOG=" + log_, "/LOG=" + log_ + " /S /D=PB"}) {
    SCOPED_TRACE(arguments);
    ExpectNoWindowAnd(RunInstaller(arguments), 3);
    EXPECT_EQ(ReadFileBytes(log_).rfind("Aufruf: Velkor400_Setup.exe [/S] [/LOG=Datei] [/D=Ordner]\r\n", 0), 0u);
    EXPECT_FALSE(RecordKeyExists());
  }
}

TEST_F(SilentRun, FullDiskEndsWithErrors) {
  const std::string root = folder_ + "small\\";
  ASSERT_TRUE(CreateDirectoryA(root.c_str(), nullptr));
  ASSERT_TRUE(MountSmallDisk(root, kDiskBytes));
  disk_ = root;
  ExpectNoWindowAnd(RunInstaller("/S /LOG=" + log_ + " /D=" + root), 2);
  const std::string log = ReadFileBytes(log_);
  EXPECT_NE(log.find(" nicht entpackt\r\n"), std::string::npos);
  EXPECT_NE(log.find("\r\nInstallation mit Fehlern beendet\r\n"), std::string::npos);
}

TEST_F(SilentRun, SecondCopyEndsAtOnceWhileAnInteractiveOneRuns) {
  const std::string root = Host("PureBasic");
  ASSERT_FALSE(root.empty());
  InstallerRun interactive(installerPath);
  ASSERT_TRUE(interactive.Start());
  ASSERT_TRUE(interactive.WaitDialog());
  const HWND foreground = GetForegroundWindow();
  ExpectNoWindowAnd(RunInstaller("/S /LOG=" + log_), 4);
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
