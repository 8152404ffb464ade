// Whole runs of the real installer under Wine, driven as a user would drive them.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "payload/payload_blocks.h"
#include "tests/e2e/installer_session.h"
#include "tests/e2e/stand_in_host.h"

using namespace e2e;

namespace {

std::string installerPath;

// Every wait the installer must make: 25 typing ticks of 50 ms, nine pauses of 100 ms and one of 500 ms.
constexpr double kDemandedWaitSeconds = 25 * 0.050 + 9 * 0.100 + 0.500;

const char kInstall[] = "installieren";
const char kUpdate[] = "UpDate installieren";
const char kRepair[] = "reparieren (Setup-Version gleich der installierten)";
const char kTimestampUpdate[] = "aktualisieren (Zeitstempelunterschied)";

struct InstalledFile {
  PayloadId block;
  std::string target;
  std::string success;
  std::string failure;
};

const std::vector<InstalledFile> kInstalledFiles = [] {
  std::vector<InstalledFile> files = {
      {PayloadId::Library, "purelibraries\\userlibraries\\Velkor_400", "Library entpackt", "Library nicht entpackt"},
      {PayloadId::Help, "help\\Velkor400.chm", "Library Hilfe entpackt", "Library Hilfe nicht entpackt"}};
  const PayloadId pictures[] = {PayloadId::Picture1, PayloadId::Picture2, PayloadId::Picture3,
                                PayloadId::Picture4, PayloadId::Picture5, PayloadId::Picture6};
  for (int n = 1; n <= 6; ++n) {
    const std::string picture = "Bild " + std::to_string(n) + " für Demo";
    files.push_back({pictures[n - 1], "examples\\QZLibs\\bilder\\0000" + std::to_string(n) + ".bmp",
                     picture + " entpackt", picture + " nicht entpackt"});
  }
  files.push_back({PayloadId::Example, "examples\\QZLibs\\Velkor_400_test.pb", "Beispiel 1 entpackt",
                   "Beispiel 1 nicht entpackt"});
  return files;
}();
constexpr int kFileCount = 9;

const char* const kDirectoryLines[] = {"Directory <Examples> erstellt", "Directory <Examples\\QZLibs> erstellt",
                                       "Directory <Examples\\QZLibs\\Bilder> erstellt"};

std::string BlockOf(PayloadId id) {
  const PayloadBlock block = PayloadGet(id);
  return std::string(reinterpret_cast<const char*>(block.bytes), static_cast<size_t>(block.size));
}

// The log of a run: the item lines as the extraction logs them, with the directory lines that were created
// (from the first "Examples" on), then the verdict and the closing lines.
std::vector<std::string> ExpectedLog(const bool written[kFileCount], int firstDirectoryLine, bool success) {
  std::vector<std::string> log = {"Starte die Installation ...", ""};
  for (int i = 0; i < kFileCount; ++i) {
    if (i == 2)
      for (int d = firstDirectoryLine; d < 3; ++d) log.push_back(kDirectoryLines[d]);
    log.push_back(written[i] ? kInstalledFiles[i].success : kInstalledFiles[i].failure);
  }
  const std::vector<std::string> closing = {"",
                                            success ? "Installation erfolgreich abgeschlossen"
                                                    : "Installation mit Fehlern beendet",
                                            "",
                                            "Es wird versucht, den Compiler neu zu starten ...",
                                            "",
                                            "Sollte die Library nicht eingebunden worden sein,",
                                            "weil der Compiler nicht neu gestartet werden konnte,",
                                            "so starten Sie bitte neu um die Library und deren",
                                            "Hilfe einzubinden."};
  log.insert(log.end(), closing.begin(), closing.end());
  return log;
}

const bool kAllWritten[kFileCount] = {true, true, true, true, true, true, true, true, true};

bool Contains(const std::vector<std::string>& texts, const std::string& text) {
  for (const std::string& t : texts)
    if (t == text) return true;
  return false;
}

const DialogOption* OptionLabelled(const std::vector<DialogOption>& options, const std::string& label) {
  for (const DialogOption& option : options)
    if (option.label == label) return &option;
  return nullptr;
}

}  // namespace

class InstallerScenario : public ::testing::Test {
protected:
  static void SetUpTestSuite() { listener = new BroadcastListener(); }
  static void TearDownTestSuite() {
    delete listener;
    listener = nullptr;
  }

  void SetUp() override {
    ASSERT_TRUE(listener->Ready());
    for (PayloadId id : {PayloadId::Library, PayloadId::Help, PayloadId::Example})
      ASSERT_GT(PayloadGet(id).size, 0) << "the installer carries no payload";
    CleanRegistry();
    listener->Reset();
  }

  void TearDown() override {
    CleanRegistry();
    for (const std::string& path : immutable_) SetImmutable(path, false);
    for (const auto& disk : disks_) UnmountSmallDisk(disk.first, disk.second);
    for (const std::string& folder : folders_) RemoveTree(folder);
  }

  // A fresh stand-in PureBasic folder, registered as the active installation; empty on failure. It sits directly
  // on drive C:, since Wine's folder browser often fails to preselect a folder two levels down.
  std::string NewHost(const std::string& label, const HostShape& shape = HostShape()) {
    const std::string root = FreshFolder(label);
    if (root.empty()) return root;
    folders_.push_back(root);
    return MakeStandInHost(root, shape) && RegisterPureBasic(root) ? root : std::string();
  }

  static Walkthrough Into(const std::string& root, const char* option = kInstall) {
    Walkthrough walkthrough;
    walkthrough.option = option;
    walkthrough.folder = root;
    return walkthrough;
  }

  void ExpectFiles(const std::string& root, const bool written[kFileCount]) {
    for (int i = 0; i < kFileCount; ++i) {
      if (!written[i]) continue;
      bool found = false;
      const std::string bytes = ReadFileBytes(root + kInstalledFiles[i].target, &found);
      EXPECT_TRUE(found) << kInstalledFiles[i].target;
      EXPECT_TRUE(bytes == BlockOf(kInstalledFiles[i].block)) << kInstalledFiles[i].target << " differs";
    }
  }

  void ExpectRecord() {
    EXPECT_EQ(RecordValue("Version"), "1007");
    EXPECT_EQ(RecordValue("Date"), "13.09.2007");
  }

  void ExpectNothingInstalled(const std::string& root) {
    for (const InstalledFile& file : kInstalledFiles) EXPECT_FALSE(FileExists(root + file.target)) << file.target;
    EXPECT_FALSE(FolderExists(root + "Help"));
    EXPECT_FALSE(FolderExists(root + "Examples"));
    EXPECT_FALSE(RecordKeyExists());
  }

  static BroadcastListener* listener;
  std::vector<std::string> folders_;
  std::vector<std::string> immutable_;
  std::vector<std::pair<std::string, unsigned>> disks_;
};

BroadcastListener* InstallerScenario::listener = nullptr;

// The first installation, screen by screen, with a screenshot of each.
TEST_F(InstallerScenario, FirstInstallIntoHostWithoutExamples) {
  const std::string root = NewHost("first");
  ASSERT_FALSE(root.empty());
  InstallerRun run(installerPath);
  ASSERT_TRUE(run.Start());

  HWND background = run.WaitBackground();
  ASSERT_TRUE(background);
  ASSERT_TRUE(ui::WaitUntil([&] { return run.WelcomeLine().size() >= 8; }));

  ASSERT_TRUE(run.WaitDialog());
  EXPECT_EQ(run.WelcomeLine(), "Willkommen zum Setup von:");
  const std::vector<std::string> texts = run.DialogTexts();
  for (const char* line : {"Programm: PB-Library Velkor_400", "Setup-Version\t\t: 000.001.007",
                           "Versionsdatum\t\t: 13.09.2007", "Copyright Ormund Kessler",
                           "Installierte Version\t: nicht angegeben / installiert", "Versionsdatum\t\t:",
                           "http://www.dorvanix.example/velkor400/"})
    EXPECT_TRUE(Contains(texts, line)) << line;
  const std::vector<DialogOption> options = run.DialogOptions();
  ASSERT_TRUE(OptionLabelled(options, kInstall));
  EXPECT_TRUE(OptionLabelled(options, kInstall)->enabled);
  ASSERT_TRUE(OptionLabelled(options, kUpdate));
  EXPECT_FALSE(OptionLabelled(options, kUpdate)->enabled);
  EXPECT_FALSE(ui::IsEnabled(run.DialogControl("Weiter")));
  ASSERT_TRUE(run.Choose(kInstall));

  ASSERT_TRUE(run.Continue());
  ASSERT_TRUE(run.WaitBrowser());
  std::string shown;
  ASSERT_TRUE(run.BrowserSelects(root, &shown)) << shown;
  ASSERT_TRUE(run.AnswerBrowser(true));

  HWND progress = run.WaitProgress();
  ASSERT_TRUE(progress);
  std::vector<std::string> log;
  ASSERT_TRUE(run.WaitLogComplete(&log));
  EXPECT_EQ(log, ExpectedLog(kAllWritten, 0, true));
  ExpectFiles(root, kAllWritten);
  ExpectRecord();
  EXPECT_TRUE(ui::WaitUntil([&] { return listener->Received() == 1; }, 5000)) << listener->Received();
  EXPECT_NE(ReadFileBytes(root + "Compilers\\called.txt").find("/VERSION"), std::string::npos);

  // The progress window: caption only, owned by the background, centred, with a read-only log.
  EXPECT_EQ(ui::OwnerOf(progress), background);
  EXPECT_TRUE((ui::StyleOf(progress) & WS_CAPTION) == WS_CAPTION);
  EXPECT_FALSE(ui::StyleOf(progress) & WS_SYSMENU);
  const SIZE client = ui::ClientSizeOf(progress);
  EXPECT_EQ(client.cx, 300);
  EXPECT_EQ(client.cy, 284);
  const RECT outer = ui::RectIn(progress, nullptr);
  EXPECT_NEAR((outer.left + outer.right) / 2, GetSystemMetrics(SM_CXSCREEN) / 2, 2);
  EXPECT_NEAR((outer.top + outer.bottom) / 2, GetSystemMetrics(SM_CYSCREEN) / 2, 2);
  HWND logControl = run.LogControl();
  ASSERT_TRUE(logControl);
  EXPECT_TRUE(ui::StyleOf(logControl) & ES_READONLY);
  const RECT logRect = ui::RectIn(logControl, progress);
  EXPECT_EQ(logRect.left, 10);
  EXPECT_EQ(logRect.top, 10);
  EXPECT_EQ(logRect.right - logRect.left, 280);
  EXPECT_EQ(logRect.bottom - logRect.top, 230);
  HWND finish = ui::FindChildById(progress, 101);
  ASSERT_TRUE(finish);
  EXPECT_EQ(ui::TextOf(finish), "Fertig");
  EXPECT_TRUE(ui::IsEnabled(finish));

  // Typing into the log changes nothing; closing requests and clicks elsewhere do not end the wait.
  const std::string logText = ui::TextOf(logControl);
  PostMessageA(logControl, WM_CHAR, 'x', 0);
  ui::MouseClick(logControl);
  ui::RequestClose(progress);
  ui::RequestClose(background);
  Sleep(300);
  EXPECT_EQ(ui::TextOf(logControl), logText);
  EXPECT_TRUE(run.Process().Running());

  ASSERT_TRUE(run.Finish());
  DWORD exitCode = 1;
  ASSERT_TRUE(run.WaitExit(&exitCode));
  EXPECT_EQ(exitCode, 0u);
}

// The first run also measures the time a whole first installation takes beyond the waits it must make.
TEST_F(InstallerScenario, SecondRunRepairsWithIdenticalFiles) {
  const std::string root = NewHost("repair");
  ASSERT_FALSE(root.empty());
  const WalkOutcome first = Walk(installerPath, Into(root));
  ASSERT_EQ(first.failedStep, "");
  ASSERT_EQ(first.exitCode, 0u);
  const double overhead = first.secondsToLog - first.secondsWithUser - kDemandedWaitSeconds;
  std::printf("first install: %.3f s to the complete log, %.3f s of it waiting for the user, %.3f s beyond the "
              "demanded waits\n",
              first.secondsToLog, first.secondsWithUser, overhead);
  RecordProperty("overhead_ms", static_cast<int>(overhead * 1000));

  const WalkOutcome second = Walk(installerPath, Into(root, kRepair));
  ASSERT_EQ(second.failedStep, "");
  EXPECT_TRUE(Contains(second.dialogTexts, "Installierte Version\t: 000.001.007"));
  EXPECT_TRUE(Contains(second.dialogTexts, "Versionsdatum\t\t: 13.09.2007"));
  ASSERT_TRUE(OptionLabelled(second.options, kInstall));
  EXPECT_FALSE(OptionLabelled(second.options, kInstall)->enabled);
  EXPECT_EQ(second.log, ExpectedLog(kAllWritten, 3, true));
  ExpectFiles(root, kAllWritten);
  ExpectRecord();
  EXPECT_EQ(second.exitCode, 0u);
}

// Results 2 (update) and 4 (update after a timestamp difference) install exactly as result 1.
TEST_F(InstallerScenario, UpdatesInstallLikeAFirstInstall) {
  struct Case {
    const char* version;
    const char* date;
    const char* option;
    const char* shownVersion;
  };
  for (const Case& c : {Case{"1005", "01.02.2007", kUpdate, "Installierte Version\t: 000.001.005"},
                        Case{"1007", "12.09.2007", kTimestampUpdate, "Installierte Version\t: 000.001.007"}}) {
    SCOPED_TRACE(c.option);
    CleanRegistry();
    const std::string root = NewHost("update");
    ASSERT_FALSE(root.empty());
    ASSERT_TRUE(WriteRecord(c.version, c.date));
    const WalkOutcome outcome = Walk(installerPath, Into(root, c.option));
    ASSERT_EQ(outcome.failedStep, "");
    EXPECT_TRUE(Contains(outcome.dialogTexts, c.shownVersion));
    EXPECT_TRUE(Contains(outcome.dialogTexts, std::string("Versionsdatum\t\t: ") + c.date));
    EXPECT_EQ(outcome.log, ExpectedLog(kAllWritten, 0, true));
    ExpectFiles(root, kAllWritten);
    ExpectRecord();
    EXPECT_EQ(outcome.exitCode, 0u);
  }
}

TEST_F(InstallerScenario, CancellingTheDialogInstallsNothing) {
  const std::string root = NewHost("cancel-dialog");
  ASSERT_FALSE(root.empty());
  InstallerRun run(installerPath);
  ASSERT_TRUE(run.Start());
  ASSERT_TRUE(run.WaitDialog());
  ASSERT_TRUE(run.Cancel());
  DWORD exitCode = 1;
  ASSERT_TRUE(run.WaitExit(&exitCode));
  EXPECT_EQ(exitCode, 0u);
  ExpectNothingInstalled(root);
  EXPECT_EQ(listener->Received(), 0);
}

// The browser opens on the directory found in the registry; cancelling it says so and installs nothing. Wine's
// browser now and then fails to apply an initial selection, so a few runs are allowed for the proposal; a
// requester that never preselects fails every one of them.
TEST_F(InstallerScenario, CancellingTheFolderBrowserSaysSoAndInstallsNothing) {
  const std::string root = NewHost("cancel-folder");
  ASSERT_FALSE(root.empty());
  std::string shown;
  bool proposed = false;
  for (int attempt = 0; attempt < 3 && !proposed; ++attempt) {
    InstallerRun run(installerPath);
    ASSERT_TRUE(run.Start());
    ASSERT_TRUE(run.WaitDialog());
    ASSERT_TRUE(run.Choose(kInstall));
    ASSERT_TRUE(run.Continue());
    ASSERT_TRUE(run.WaitBrowser());
    proposed = run.BrowserProposes(root, &shown);
    ASSERT_TRUE(run.AnswerBrowser(false));
    ui::MessageBoxInfo box;
    ASSERT_TRUE(run.WaitMessage(&box));
    EXPECT_EQ(box.title, "Abbruch");
    EXPECT_EQ(box.text, "falscher Pfad - bitte wiederholen");
    ASSERT_TRUE(run.AnswerMessage(box));
    DWORD exitCode = 1;
    ASSERT_TRUE(run.WaitExit(&exitCode));
    EXPECT_EQ(exitCode, 0u);
    ExpectNothingInstalled(root);
  }
  EXPECT_TRUE(proposed) << "the browser showed " << shown;
}

// A missing or empty purebasic.exe is warned about once; the library folders are made and the run installs.
TEST_F(InstallerScenario, FolderWithoutUsablePureBasicExeWarnsAndInstalls) {
  for (HostProgram program : {HostProgram::Missing, HostProgram::Empty}) {
    SCOPED_TRACE(program == HostProgram::Missing ? "missing" : "empty");
    CleanRegistry();
    HostShape shape;
    shape.program = program;
    shape.libraryFolders = false;
    const std::string root = NewHost("no-host", shape);
    ASSERT_FALSE(root.empty());
    Walkthrough walkthrough = Into(root);
    walkthrough.answerWarning = true;
    const WalkOutcome outcome = Walk(installerPath, walkthrough);
    ASSERT_EQ(outcome.failedStep, "");
    EXPECT_EQ(outcome.warning.title, "Achtung");
    EXPECT_EQ(outcome.warning.text,
              "Im angegebenen Pfad befindet sich keine PureBasic.exe.\rMöglicherweise wird die Installation "
              "unvollständig ausgeführt.");
    EXPECT_TRUE(FolderExists(root + "PureLibraries\\UserLibraries"));
    EXPECT_EQ(outcome.log, ExpectedLog(kAllWritten, 0, true));
    ExpectFiles(root, kAllWritten);
    ExpectRecord();
    EXPECT_EQ(outcome.exitCode, 0u);
  }
}

TEST_F(InstallerScenario, ReadOnlyLibraryFileFailsOnlyTheLibrary) {
  const std::string root = NewHost("read-only");
  ASSERT_FALSE(root.empty());
  const std::string library = root + "PureLibraries\\UserLibraries\\Velkor_400";
  ASSERT_TRUE(WriteFileBytes(library, "old library"));
  ASSERT_TRUE(SetImmutable(library, true));
  immutable_.push_back(library);

  const WalkOutcome outcome = Walk(installerPath, Into(root));
  ASSERT_EQ(outcome.failedStep, "");
  const bool written[kFileCount] = {false, true, true, true, true, true, true, true, true};
  EXPECT_EQ(outcome.log, ExpectedLog(written, 0, false));
  EXPECT_EQ(ReadFileBytes(library), "old library");
  ExpectFiles(root, written);
  ExpectRecord();
  EXPECT_EQ(outcome.exitCode, 0u);
}

TEST_F(InstallerScenario, HelpFolderThatCannotBeMadeFailsOnlyTheHelp) {
  const std::string root = NewHost("no-help");
  ASSERT_FALSE(root.empty());
  ASSERT_TRUE(WriteFileBytes(root + "Help", "a file where the folder should be"));

  const WalkOutcome outcome = Walk(installerPath, Into(root));
  ASSERT_EQ(outcome.failedStep, "");
  const bool written[kFileCount] = {true, false, true, true, true, true, true, true, true};
  EXPECT_EQ(outcome.log, ExpectedLog(written, 0, false));
  ExpectFiles(root, written);
  ExpectRecord();
  EXPECT_EQ(outcome.exitCode, 0u);
}

// The legacy version file wins over the registry, survives a second copy and a cancelled run, and is removed
// once an installation has recorded the new version.
TEST_F(InstallerScenario, LegacyVersionFileIsShownKeptOnCancelAndGoneAfterInstall) {
  const std::string root = NewHost("legacy");
  ASSERT_FALSE(root.empty());
  ASSERT_TRUE(CreateDirectoryA((root + "Examples").c_str(), nullptr));
  ASSERT_TRUE(CreateDirectoryA((root + "Examples\\QZLibs").c_str(), nullptr));
  const std::string legacy = root + "Examples\\QZLibs\\velkvers";
  ASSERT_TRUE(WriteFileBytes(legacy, "1005\r\n01.02.2007\r\n"));
  ASSERT_TRUE(SetFileAttributesA(legacy.c_str(), FILE_ATTRIBUTE_READONLY));
  // Read, this record would make the setup refuse (installed version newer).
  ASSERT_TRUE(WriteRecord("1008", "01.01.2008"));

  {
    InstallerRun run(installerPath);
    ASSERT_TRUE(run.Start());
    ASSERT_TRUE(run.WaitDialog());
    const std::vector<std::string> texts = run.DialogTexts();
    EXPECT_TRUE(Contains(texts, "Installierte Version\t: 000.001.005"));
    EXPECT_TRUE(Contains(texts, "Versionsdatum\t\t: 01.02.2007"));
    const std::vector<DialogOption> options = run.DialogOptions();
    ASSERT_TRUE(OptionLabelled(options, kUpdate));
    EXPECT_TRUE(OptionLabelled(options, kUpdate)->enabled);

    InstallerRun second(installerPath);
    ASSERT_TRUE(second.Start());
    DWORD secondExit = 1;
    ASSERT_TRUE(second.WaitExit(&secondExit));
    EXPECT_EQ(secondExit, 0u);
    EXPECT_TRUE(run.Process().Running());
    EXPECT_TRUE(FileExists(legacy));

    ASSERT_TRUE(run.Cancel());
    DWORD exitCode = 1;
    ASSERT_TRUE(run.WaitExit(&exitCode));
    EXPECT_EQ(exitCode, 0u);
  }
  EXPECT_EQ(ReadFileBytes(legacy), "1005\r\n01.02.2007\r\n");
  EXPECT_EQ(RecordValue("Version"), "1008");

  const WalkOutcome outcome = Walk(installerPath, Into(root, kUpdate));
  ASSERT_EQ(outcome.failedStep, "");
  EXPECT_EQ(outcome.log, ExpectedLog(kAllWritten, 2, true));
  EXPECT_FALSE(FileExists(legacy));
  ExpectRecord();
  EXPECT_EQ(outcome.exitCode, 0u);
}

// A write that fails after its file was created (a full disk) is logged as a failure, never as success.
TEST_F(InstallerScenario, FailedWriteOnAFullDiskIsLoggedAsFailure) {
  const std::string root = FreshFolder("full-disk");
  ASSERT_FALSE(root.empty());
  folders_.push_back(root);
  // Room for the host program and the library, and two pages of the help file.
  const unsigned page = 4096;
  const unsigned libraryPages = (static_cast<unsigned>(PayloadGet(PayloadId::Library).size) + page - 1) / page;
  const unsigned bytes = (1 + libraryPages + 2) * page;
  ASSERT_LT(2 * page, static_cast<unsigned>(PayloadGet(PayloadId::Help).size));
  ASSERT_TRUE(MountSmallDisk(root, bytes));
  disks_.push_back({root, bytes});
  HostShape shape;
  shape.compiler = false;
  ASSERT_TRUE(MakeStandInHost(root, shape));
  ASSERT_TRUE(RegisterPureBasic(root));

  const WalkOutcome outcome = Walk(installerPath, Into(root));
  ASSERT_EQ(outcome.failedStep, "");
  ASSERT_EQ(outcome.log.size(), 23u);
  EXPECT_EQ(outcome.log[2], "Library entpackt");
  EXPECT_EQ(outcome.log[3], "Library Hilfe nicht entpackt");
  EXPECT_TRUE(FileExists(root + kInstalledFiles[1].target)) << "the help file was created before the disk filled";
  for (int i = 0; i < kFileCount; ++i) {
    const bool complete = ReadFileBytes(root + kInstalledFiles[i].target) == BlockOf(kInstalledFiles[i].block);
    EXPECT_TRUE(Contains(outcome.log, complete ? kInstalledFiles[i].success : kInstalledFiles[i].failure))
        << kInstalledFiles[i].target;
  }
  EXPECT_EQ(outcome.log[outcome.log.size() - 8], "Installation mit Fehlern beendet");
  ExpectRecord();
  EXPECT_EQ(outcome.exitCode, 0u);
}

TEST_F(InstallerScenario, ClosingTheBackgroundWhileTypingEndsTheRun) {
  const std::string root = NewHost("close-typing");
  ASSERT_FALSE(root.empty());
  InstallerRun run(installerPath);
  ASSERT_TRUE(run.Start());
  HWND background = run.WaitBackground();
  ASSERT_TRUE(background);
  // Closed the moment a partly typed line is seen: the posted close is taken before the next timer tick.
  ASSERT_TRUE(ui::WaitUntil([&] {
    const size_t typed = run.WelcomeLine().size();
    if (typed == 0 || typed >= 25) return false;
    ui::RequestClose(background);
    return true;
  }, 10000, 5));
  DWORD exitCode = 1;
  ASSERT_TRUE(run.WaitExit(&exitCode));
  EXPECT_EQ(exitCode, 0u);
  ExpectNothingInstalled(root);
}

int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);
  if (argc < 2) {
    std::fprintf(stderr, "usage: e2e_installer <path of Velkor400_Setup.exe> [gtest flags]\n");
    return 2;
  }
  installerPath = argv[1][0] == '/' ? WindowsPathOf(argv[1]) : argv[1];
  return RUN_ALL_TESTS();
}
