// Whole runs of the real installer under Wine, driven as a user would drive them. One row is one behaviour the
// release promises: the state before, what the user does, and what comes out.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "platform/scoped_resources.h"
#include "tests/support/driver.h"
#include "tests/support/fixtures.h"
#include "tests/support/install_log.h"

namespace {

const char kInstall[] = "installieren";
const char kUpdate[] = "UpDate installieren";
const char kRepair[] = "reparieren (Setup-Version gleich der installierten)";
const char kTimestamp[] = "aktualisieren (Zeitstempelunterschied)";
const char kRefusedSameVersion[] = "Das Setupdatum ist jünger als das der bereits installierten Version und die "
                                   "Versionsnummer ist gleich der Installierten.\r\rDer Vorgang wird abgebrochen.";
const char kRefusedOlderSetup[] =
    "Die Setupversion ist älter als eine bereits installierte Version.\r\rDer Vorgang wird abgebrochen.";
const char kRefusedNewerDate[] = "Das Setupdatum ist jünger als das der bereits installierten Version und die "
                                 "Versionsnummer ist größer als die Installierte.\r\rDer Vorgang wird abgebrochen.";
const char kUsage[] = "Aufruf: Velkor400_Setup.exe [/S] [/LOG=Datei] [/D=Ordner]";
// The new file beside its target, until it replaces the target whole.
const char kPart[] = ".velkor~";
const char kNoHostText[] = "Im angegebenen Pfad befindet sich keine PureBasic.exe.\rMöglicherweise wird die "
                           "Installation unvollständig ausgeführt.";
const char kRecordNotWritten[] = "Der Installationseintrag in der Registry konnte nicht geschrieben werden.";

std::string BlockOf(PayloadId id) {
  const PayloadBlock block = PayloadGet(id);
  return std::string(reinterpret_cast<const char*>(block.bytes), static_cast<size_t>(block.size));
}

bool IsEnabledOption(HWND control) {
  return (GetWindowLongA(control, GWL_STYLE) & BS_TYPEMASK) == BS_AUTORADIOBUTTON && IsWindowVisible(control) &&
         IsWindowEnabled(control);
}

enum class Before { plain, fullDisk, lockedLibrary, noHostStrangerFile, relativeAssociation, recordDenied, console,
                    // an earlier version's nine files, and what stands in the way of replacing them
                    earlierFiles, updateFullDisk, heldLibrary, readOnlyLibrary };

struct Row {
  const char* name;
  // The state before: the record ("version date"), the host folder and its association, the compiler.
  const char* record = nullptr;
  Before before = Before::plain;
  fx::Registration registration = fx::Registration::quoted;
  fx::Host host = {};
  const char* compiler = "";
  // What the user does: the option (null: cancels the dialog), and whether the proposed folder is accepted.
  const char* option = kInstall;
  bool acceptFolder = true;
  // Or nobody: a run with these switches, after "/LOG=" and the log file; "%" stands for the host folder.
  const char* switches = nullptr;
  // What comes out: a text the dialog shows, a refusal (the user can only cancel), a message box after the
  // browser, the items that fail (a bit each) and the number of folder lines. Rows that install nothing
  // leave everything as it was.
  const char* shows = nullptr;
  const char* refusal = nullptr;
  const char* box = nullptr;
  unsigned failed = 0;
  int folders = 3;
  bool installs = true;
  DWORD exitCode = 0;
  // An interactive run started with /LOG=: the whole log file it leaves.
  const char* logged = nullptr;
  friend void PrintTo(const Row& row, std::ostream* out) { *out << row.name; }
};

struct Outcome {
  std::string failedStep;
  std::vector<std::string> dialogTexts;
  int enabledOptions = -1;
  bool weiterEnabled = true;  // before any choice
  std::pair<COLORREF, COLORREF> gradient;  // the background's top and bottom pixel
  ui::Box box;
  std::string log;  // CR LF after each line
  DWORD exitCode = 99;
};

class Installer : public ::testing::Test {
protected:
  void SetUp() override {
    fx::CleanRegistry();
    fx::ResetRestarts();
    root_ = fx::FreshFolder("host");
    ASSERT_FALSE(root_.empty());
  }
  void TearDown() override {
    SetEnvironmentVariableA("VELKOR_STANDIN", nullptr);
    SetEvent(ScopedHandle(OpenEventA(EVENT_MODIFY_STATE, FALSE, "velkor_standin_release")).get());
    if (!locked_.empty()) fx::SetImmutable(locked_, false);
    if (mounted_) fx::UnmountSmallDisk(root_);
    fx::RemoveTree(root_);
    DeleteFileA(LogFile().c_str());
    fx::CleanRegistry();
  }
  void Prepare(const Row& row);
  Outcome Drive(const Row& row, const std::string& installer = fx::InstallerPath());
  Outcome DriveSilently(const Row& row);
  void Expect(const Row& row, const Outcome& outcome);

  std::string Stranger() const { return root_ + "download\\examples\\QZLibs\\velkvers"; }
  // Beside the host folder, so that a full disk there cannot keep it from being written.
  std::string LogFile() const { return root_.substr(0, root_.size() - 1) + ".log"; }

  std::string root_;
  std::string locked_;
  bool mounted_ = false;
  std::string earlier_[9];  // each target's bytes before the run; empty for none
  ScopedHandle held_;
};

void Installer::Prepare(const Row& row) {
  const Before b = row.before;
  const bool earlier = b == Before::earlierFiles || b == Before::updateFullDisk || b == Before::heldLibrary ||
                       b == Before::readOnlyLibrary;
  // Room for the host program and the earlier files (two pages each), none for a new file beside them.
  if (b == Before::updateFullDisk) { ASSERT_TRUE(mounted_ = fx::MountSmallDisk(root_, (1 + 2 * 9) * 4096)); }
  if (row.before == Before::fullDisk) {
    // Room for the host program, the library and two pages of the help file.
    const unsigned page = 4096, libraryPages = (PayloadGet(PayloadId::Library).size + page - 1) / page;
    ASSERT_TRUE(mounted_ = fx::MountSmallDisk(root_, (libraryPages + 3) * page));
  }
  ASSERT_TRUE(fx::MakeHost(root_, row.host));
  ASSERT_TRUE(row.before == Before::noHostStrangerFile || fx::Associate(root_, row.registration));
  // Without a host the legacy path would lead into the installer's current folder, here a download folder.
  ASSERT_TRUE(row.before != Before::noHostStrangerFile ||
              (fx::MakeFolders(root_ + "download\\examples\\QZLibs") && fx::WriteBytes(Stranger(), "9999\r\n01.01.2099\r\n")));
  ASSERT_TRUE(!row.record || fx::WriteRecord(std::string(row.record, 4), row.record + 5));
  SetEnvironmentVariableA("VELKOR_STANDIN", row.compiler);
  // A registered folder that is not absolute ("C:velkor-...\", relative to the current folder of drive C:, which
  // for a program started elsewhere is C:\, so a run that took it would write where the row looks); a volatile key,
  // which can hold no lasting key such as the record's; a console of the driver's own, set to code page 850, which
  // the installer reaches by attaching to it, as when started from a console window without a redirection.
  ASSERT_TRUE(row.before != Before::relativeAssociation || fx::Associate("C:" + root_.substr(3)));
  ScopedKey volatileKey;
  ASSERT_TRUE(row.before != Before::recordDenied || RegCreateKeyExA(HKEY_CURRENT_USER, "Software\\Dorvanix", 0, nullptr,
              REG_OPTION_VOLATILE, KEY_READ, nullptr, volatileKey.Receive(), nullptr) == ERROR_SUCCESS);
  ASSERT_TRUE(row.before != Before::console || (FreeConsole(), AllocConsole() && SetConsoleOutputCP(850) &&
                                                  SetStdHandle(STD_OUTPUT_HANDLE, nullptr)));
  if (row.before == Before::lockedLibrary) {
    locked_ = root_ + kItems[0].target;
    ASSERT_TRUE(fx::WriteBytes(locked_, earlier_[0] = "old library"));
    ASSERT_TRUE(fx::SetImmutable(locked_, true));
  }
  ASSERT_TRUE(!earlier || (fx::MakeFolders(root_ + "Help") && fx::MakeFolders(root_ + "Examples\\QZLibs\\Bilder")));
  for (int i = 0; i < 9 && earlier; ++i)
    ASSERT_TRUE(fx::WriteBytes(root_ + kItems[i].target, earlier_[i] = std::string(6000, static_cast<char>('a' + i))));
  const std::string library = root_ + kItems[0].target;
  if (b == Before::heldLibrary)
    held_.Reset(CreateFileA(library.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));  // no sharing
  ASSERT_TRUE(b != Before::readOnlyLibrary || SetFileAttributesA(library.c_str(), FILE_ATTRIBUTE_READONLY));
}

Outcome Installer::Drive(const Row& row, const std::string& installer) {
  Outcome out;
  const ui::Process run = ui::Start(installer, row.logged ? "/LOG=" + LogFile() : "",
                                    row.before == Before::noHostStrangerFile ? root_ + "download" : "");
  auto failed = [&](const char* step) {
    out.failedStep = step;
    ui::Kill(run);
    return out;
  };
  HWND dialog = ui::WaitTopWindow(run.id, nullptr, "SETUP", "Weiter");
  if (!dialog) return failed("setup dialog");
  const HWND background = ui::WaitTopWindow(run.id, "WindowClass_0", "SETUP");
  RECT area{};
  GetClientRect(background, &area);
  const ScopedWindowDc dc(background);
  out.gradient = {GetPixel(dc.get(), area.right - 5, 2), GetPixel(dc.get(), area.right - 5, area.bottom - 2)};
  for (HWND label : ui::Children(dialog, "Static")) out.dialogTexts.push_back(ui::TextOf(label));
  const std::vector<HWND> buttons = ui::Children(dialog, "Button");
  out.enabledOptions = static_cast<int>(std::count_if(buttons.begin(), buttons.end(), IsEnabledOption));
  HWND weiter = ui::ChildWithText(dialog, "Button", "Weiter");
  out.weiterEnabled = IsWindowEnabled(weiter);
  if (!row.option || row.refusal) {
    if (!ui::Click(ui::ChildWithText(dialog, "Button", "Abbruch"))) return failed("Abbruch");
  } else {
    if (!ui::Click(ui::ChildWithText(dialog, "Button", row.option)) ||
        !ui::WaitUntil([&] { return IsWindowEnabled(weiter); }) || !ui::Click(weiter))
      return failed("choosing the option");
    // The host folders lie one level below C:, where Wine's browser keeps the proposed selection (deeper, with a
    // common-controls-6 manifest, it loses it). Without the proposal the run is ended before it installs elsewhere.
    HWND browser = ui::WaitFolderBrowser(run.id);
    const std::string name = root_.substr(3, root_.size() - 4);
    if (!ui::WaitUntil([&] { return ui::SelectedFolder(browser) == name; }, 10000)) return failed("proposal");
    if (!ui::Press(browser, row.acceptFolder ? IDOK : IDCANCEL)) return failed("folder browser");
    if (row.box && !(ui::WaitMessageBox(run.id, &out.box) && ui::Press(out.box.window, IDOK)))
      return failed("message box");
  }
  if (row.installs) {
    HWND progress = ui::WaitTopWindow(run.id, "WindowClass_1", "Fortschritt ...");
    std::string text;
    if (!ui::WaitUntil([&] { return (text = ui::TextOf(ui::ChildWithId(progress, 100))).ends_with("einzubinden."); }))
      return failed("complete log");
    out.log = text + "\r\n";
    if (!ui::Click(ui::ChildWithId(progress, 101))) return failed("Fertig");
  }
  if (!ui::WaitExit(run, &out.exitCode)) return failed("exit");
  return out;
}

// Nobody there: no window of the run may appear. The log file holds what a message box would have said, an
// empty line, and then the progress window's log.
Outcome Installer::DriveSilently(const Row& row) {
  Outcome out;
  std::string switches = row.switches;
  if (const size_t host = switches.find('%'); host != std::string::npos) switches.replace(host, 1, root_);
  const ui::Process run = ui::Start(fx::InstallerPath(), "/LOG=" + LogFile() + " " + switches,
                                    row.before == Before::noHostStrangerFile ? root_ + "download" : "");
  bool shown = false;
  ui::WaitUntil([&] { return (shown = shown || !ui::TopWindows(run.id, nullptr, nullptr, false).empty()) ||
                             !ui::Running(run); });
  ui::Kill(run);
  if (shown || !ui::WaitExit(run, &out.exitCode, 0)) out.failedStep = shown ? "a window appeared" : "exit";
  const std::string log = fx::ReadBytes(LogFile());
  const size_t start = std::min(log.find("Starte die Installation ...\r\n"), log.size());
  out.log = log.substr(start);
  std::string message = log.substr(0, start);
  while (message.ends_with("\r\n")) message.resize(message.size() - 2);
  for (size_t at; (at = message.find("\r\n")) != std::string::npos;) message.replace(at, 2, "\r");
  out.box.text = message;
  out.dialogTexts = {message, message.substr(0, message.find('\r'))};
  if (row.before == Before::console) {
    // The help on a console: the umlaut shows as itself, not as the console code page's reading of its byte.
    std::wstring screen(4096, L' ');
    DWORD read = 0;
    ReadConsoleOutputCharacterW(GetStdHandle(STD_ERROR_HANDLE), screen.data(), 4096, {}, &read);
    if (screen.find(L"Rückgabewerte (mit Schaltern):") == std::wstring::npos) out.failedStep = "the console's text";
    FreeConsole();
  }
  return out;
}

void Installer::Expect(const Row& row, const Outcome& outcome) {
  held_.Reset();  // the run is over: let go of the file it had to leave alone, to read it
  ASSERT_EQ(outcome.failedStep, "");
  EXPECT_EQ(outcome.exitCode, row.exitCode);
  if (!row.switches) { EXPECT_FALSE(outcome.weiterEnabled); }
  if (!row.switches) { EXPECT_EQ(outcome.enabledOptions, row.refusal ? 0 : 1); }
  for (const char* text : {row.shows, row.refusal})
    if (text) { EXPECT_GT(std::ranges::count(outcome.dialogTexts, std::string(text)), 0) << text; }
  // Palette 112 at the top; the end colour, palette 0, is only approached by the last of 255 bands.
  if (!row.switches) { EXPECT_EQ(outcome.gradient, std::pair(RGB(0, 153, 204), RGB(0, 1, 1))); }
  if (row.box && !row.switches) { EXPECT_EQ(outcome.box.title, row.box); }
  const bool recorded = row.installs && row.before != Before::recordDenied;
  if (row.installs) { EXPECT_EQ(outcome.box.text, row.box ? kNoHostText : recorded ? "" : kRecordNotWritten); }
  if (row.logged) { EXPECT_EQ(fx::ReadBytes(LogFile()), row.logged); }
  EXPECT_EQ(outcome.log, row.installs ? ExpectedLog(row.failed, row.folders) : "");
  for (int i = 0; i < 9 && row.installs; ++i)  // the target as it was or whole and new, and nothing beside it
    EXPECT_TRUE(fx::ReadBytes(root_ + kItems[i].target) ==
                    (row.failed >> i & 1 ? earlier_[i] : BlockOf(kItems[i].block)) &&
                !fx::Exists(root_ + kItems[i].target + kPart)) << kItems[i].target;
  if (!row.installs) { EXPECT_FALSE(fx::Exists(root_ + "Examples") || fx::Exists(root_ + "Help")); }
  EXPECT_EQ(fx::RecordValue("Version"), recorded ? "1007" : row.record ? std::string(row.record, 4) : "");
  EXPECT_EQ(fx::RecordValue("Date"), recorded ? "13.09.2007" : row.record ? row.record + 5 : "");
  // The broadcast was posted before the run ended, so it is here by now.
  EXPECT_EQ(fx::Restarts(), row.installs ? 1 : 0);
  // The compiler is asked for its version hidden, its output on a pipe, and has been ended.
  const std::string calls = fx::Calls(root_);
  EXPECT_EQ(calls.find("pbcompiler.exe\" /VERSION flags=257 show=0\r\n") != std::string::npos,
            row.installs && row.host.compiler) << calls;
  EXPECT_TRUE(calls.empty() || fx::CallEnded(root_, 0));
}

class Rows : public Installer, public ::testing::WithParamInterface<Row> {};

TEST_P(Rows, Run) {
  Prepare(GetParam());
  if (!HasFatalFailure()) Expect(GetParam(), GetParam().switches ? DriveSilently(GetParam()) : Drive(GetParam()));
  EXPECT_TRUE(GetParam().before != Before::noHostStrangerFile || fx::Exists(Stranger()));
}

const Row kRows[] = {
    {.name = "FirstInstall", .shows = "Installierte Version\t: nicht angegeben / installiert"},
    {.name = "Update", .record = "1005 01.02.2007", .option = kUpdate, .shows = "Installierte Version\t: 000.001.005"},
    {.name = "TimestampUpdate", .record = "1007 12.09.2007", .option = kTimestamp, .shows = "Versionsdatum\t\t: 12.09.2007"},
    {.name = "NoPureBasicExe", .host = {.program = nullptr, .libraryFolders = false}, .box = "Achtung"},
    {.name = "EmptyPureBasicExe", .host = {.program = ""}, .box = "Achtung"},
    {.name = "UnquotedAssociation", .registration = fx::Registration::unquoted},
    // Registered only where one of the four lookups looks, each finds the host.
    {.name = "FoundByTheDirectRead", .registration = fx::Registration::expandable, .switches = "/S"},
    {.name = "FoundByTheLibraryRead", .registration = fx::Registration::tooLong, .switches = "/S"},
    {.name = "FoundByTheKeySearch", .registration = fx::Registration::ownClass, .switches = "/S"},
    {.name = "FoundByThePbFiles", .registration = fx::Registration::pbFiles, .switches = "/S"},
    {.name = "LockedLibrary", .before = Before::lockedLibrary, .failed = 1},
    {.name = "DiskFullInTheHelpFile", .before = Before::fullDisk, .host = {.compiler = false}, .failed = 0x1FE},
    {.name = "HangingCompiler", .compiler = "hang"},
    {.name = "CompilerChildHoldsThePipe", .compiler = "grandchild"},
    {.name = "FloodingCompiler", .compiler = "flood"},
    {.name = "DialogCancelled", .option = nullptr, .installs = false},
    {.name = "NoHostIgnoresTheCurrentFolder", .before = Before::noHostStrangerFile, .option = nullptr,
     .shows = "Installierte Version\t: nicht angegeben / installiert", .installs = false},
    {.name = "FolderBrowserCancelled", .acceptFolder = false, .box = "Abbruch", .installs = false},
    {.name = "RefusedSameVersion", .record = "1007 14.09.2007", .refusal = kRefusedSameVersion, .installs = false},
    {.name = "RefusedOlderSetup", .record = "1008 01.01.2000", .refusal = kRefusedOlderSetup, .installs = false},
    {.name = "RefusedNewerDate", .record = "1006 14.09.2007", .refusal = kRefusedNewerDate, .installs = false},
    {.name = "SilentInstall", .switches = "/s"},
    {.name = "SilentUpdate", .record = "1005 01.02.2007", .switches = "/S"},
    {.name = "SilentRepair", .record = "1007 13.09.2007", .switches = "/S"},
    {.name = "SilentNoPureBasicExe", .host = {.program = nullptr, .libraryFolders = false}, .switches = "/S",
     .box = "Achtung"},
    {.name = "SilentDiskFull", .before = Before::fullDisk, .host = {.compiler = false}, .switches = "/S",
     .failed = 0x1FE, .exitCode = 2},
    {.name = "SilentRefusal", .record = "1008 01.01.2000", .switches = "/S", .refusal = kRefusedOlderSetup,
     .installs = false, .exitCode = 1},
    {.name = "SilentWithoutHost", .before = Before::noHostStrangerFile, .switches = "/S", .shows = kUsage,
     .installs = false, .exitCode = 3},
    {.name = "SilentUnknownSwitch", .switches = "/S /X", .shows = kUsage, .installs = false, .exitCode = 3},
    // An update that cannot replace a file keeps it as it was.
    {.name = "UpdateOnAFullDisk", .record = "1005 01.02.2007", .before = Before::updateFullDisk,
     .host = {.compiler = false}, .option = kUpdate, .failed = 0x1FF, .folders = 0},
    {.name = "SilentUpdateOnAFullDisk", .record = "1005 01.02.2007", .before = Before::updateFullDisk,
     .host = {.compiler = false}, .switches = "/S", .failed = 0x1FF, .folders = 0, .exitCode = 2},
    {.name = "UpdateWithTheLibraryHeldOpen", .record = "1005 01.02.2007", .before = Before::heldLibrary,
     .option = kUpdate, .failed = 1, .folders = 0},
    {.name = "ReadOnlyLibrary", .before = Before::readOnlyLibrary, .failed = 1, .folders = 0},
    // A repair writes every file again.
    {.name = "Repair", .record = "1007 13.09.2007", .before = Before::earlierFiles, .option = kRepair,
     .shows = "Installierte Version\t: 000.001.007", .folders = 0},
    // Deployment: a registered folder that is not absolute is no target; a record that cannot be written is an
    // error; the help reads right on any console; a logged interactive run says what it showed and that it ended.
    {.name = "SilentRelativeRegisteredFolder", .before = Before::relativeAssociation, .switches = "/S",
     .shows = kUsage, .installs = false, .exitCode = 3},
    {.name = "SilentRecordDenied", .before = Before::recordDenied, .switches = "/S", .exitCode = 2},
    {.name = "HelpOnACodePage850Console", .before = Before::console, .switches = "/?", .installs = false},
    {.name = "LoggedDialogCancelled", .option = nullptr, .installs = false, .exitCode = 1,
     .logged = "Installation abgebrochen.\r\n"},
    {.name = "LoggedRefusal", .record = "1008 01.01.2000", .refusal = kRefusedOlderSetup, .installs = false,
     .exitCode = 1, .logged = "Die Setupversion ist älter als eine bereits installierte Version.\r\n\r\n"
                              "Der Vorgang wird abgebrochen.\r\n\r\nInstallation abgebrochen.\r\n"},
};
INSTANTIATE_TEST_SUITE_P(Installer, Rows, ::testing::ValuesIn(kRows),
                         [](const auto& info) { return std::string(info.param.name); });

// The legacy version file wins over the record; it survives a second copy and a cancelled run, and goes once an
// installation has recorded the new version.
TEST_F(Installer, LegacyFileIsKeptUntilAnInstallationRecordsTheVersion) {
  Prepare({.name = "legacy", .record = "1008 01.01.2008"});
  const std::string legacy = root_ + "Examples\\QZLibs\\velkvers";
  ASSERT_TRUE(fx::MakeFolders(root_ + "Examples\\QZLibs"));
  ASSERT_TRUE(fx::WriteBytes(legacy, "1005\r\n01.02.2007\r\n"));
  const ui::Process first = ui::Start(fx::InstallerPath());
  HWND dialog = ui::WaitTopWindow(first.id, nullptr, "SETUP", "Abbruch");
  ASSERT_TRUE(dialog);
  EXPECT_TRUE(ui::ChildWithText(dialog, "Static", "Installierte Version\t: 000.001.005"));
  DWORD exitCode = 99;
  EXPECT_TRUE(ui::WaitExit(ui::Start(fx::InstallerPath()), &exitCode));
  EXPECT_TRUE(fx::Exists(legacy));
  ASSERT_TRUE(ui::Click(ui::ChildWithText(dialog, "Button", "Abbruch")));
  EXPECT_TRUE(ui::WaitExit(first, &exitCode));
  EXPECT_EQ(fx::ReadBytes(legacy), "1005\r\n01.02.2007\r\n");
  EXPECT_EQ(fx::RecordValue("Version"), "1008");
  Expect({.name = "update", .option = kUpdate, .folders = 1}, Drive({.name = "update", .option = kUpdate}));
  EXPECT_FALSE(fx::Exists(legacy));
}

// A folder given on the command line replaces the registered one and is made with its missing parents. A log
// file that cannot be written spoils the exit code of a run that installed.
TEST_F(Installer, SilentRunIntoANewFolderWithSpaces) {
  const Row row = {.name = "spaces", .switches = "/S /D=%Pure Basic\\new  folder "};
  Prepare(row);
  const Outcome outcome = DriveSilently(row);
  EXPECT_EQ(outcome.failedStep, "");
  EXPECT_EQ(outcome.exitCode, 0u);
  EXPECT_EQ(outcome.box.text, kNoHostText);
  EXPECT_EQ(outcome.log, ExpectedLog(0, 3));
  EXPECT_EQ(fx::ReadBytes(root_ + "Pure Basic\\new  folder\\" + kItems[0].target), BlockOf(kItems[0].block));
  EXPECT_FALSE(fx::Exists(root_ + kItems[0].target));
  EXPECT_EQ(DriveSilently({.name = "unlogged", .switches = "/S /LOG=%missing\\setup.log"}).exitCode, 2u);
}

// Six copies started at once: exactly one shows its setup, the other five end by themselves as second copies.
// Started with a switch, a run tells how it ended: 4 a second copy, 1 a cancelled setup. While that one runs, a
// later copy brings forward a window titled with the product title, of whatever program; a silent one ends at once
// without doing so and writes no log. The installer's own windows carry other titles.
TEST_F(Installer, SecondCopiesYieldToTheOneThatRuns) {
  Prepare({.name = "six"});
  std::vector<ui::Process> runs(6);
  for (ui::Process& run : runs) run = ui::Start(fx::InstallerPath(), "/LOG=" + LogFile());
  EXPECT_TRUE(ui::WaitUntil([&] { return std::count_if(runs.begin(), runs.end(), ui::Running) <= 1; }));
  std::vector<DWORD> ends;
  for (const ui::Process& run : runs) {
    DWORD exitCode = 99;
    if (!ui::Running(run)) ends.push_back(ui::WaitExit(run, &exitCode) ? exitCode : 99);
  }
  EXPECT_EQ(ends, std::vector<DWORD>(5, 4));
  const auto first = std::find_if(runs.begin(), runs.end(), ui::Running);
  ASSERT_NE(first, runs.end());
  HWND dialog = ui::WaitTopWindow(first->id, nullptr, "SETUP", "Abbruch");
  auto open = [](const char* title) {
    return CreateWindowA("STATIC", title, WS_POPUP | WS_VISIBLE, 0, 0, 40, 40, nullptr, nullptr, nullptr, nullptr);
  };
  const HWND titled = open("PB-Library Velkor_400"), front = open("front");
  // This thread takes the activation another program hands it.
  auto foreground = [] {
    for (MSG message; PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE);) DispatchMessageA(&message);
    return GetForegroundWindow();
  };
  EXPECT_TRUE(SetForegroundWindow(front) && ui::WaitUntil([&] { return foreground() == front; }));
  const Outcome second = DriveSilently({.name = "second", .switches = "/S"});
  EXPECT_EQ(second.failedStep, "");
  EXPECT_EQ(second.exitCode, 4u);
  EXPECT_EQ(foreground(), front);
  EXPECT_FALSE(fx::Exists(LogFile()));
  DWORD exitCode = 99;
  EXPECT_TRUE(ui::WaitExit(ui::Start(fx::InstallerPath()), &exitCode));
  EXPECT_TRUE(ui::WaitUntil([&] { return foreground() == titled; }));
  DestroyWindow(titled);
  DestroyWindow(front);
  EXPECT_TRUE(ui::Click(ui::ChildWithText(dialog, "Button", "Abbruch")));
  EXPECT_TRUE(ui::WaitExit(*first, &exitCode));
  EXPECT_EQ(exitCode, 1u);
  for (const ui::Process& run : runs) ui::Kill(run);
}

// DLLs named like system DLLs lie next to the installer in its download folder, and Wine is told to prefer such
// copies: a whole installation loads none of them.
TEST_F(Installer, LoadsNoDllPlantedBesideIt) {
  const char* const kPlanted[] = {"riched20", "riched32", "version", "uxtheme", "dwmapi", "msftedit", "cryptbase"};
  const std::string download = root_ + "download\\", programs = ui::ProgramFolder();
  ASSERT_TRUE(fx::MakeFolders(download));
  ASSERT_TRUE(CopyFileA(fx::InstallerPath().c_str(), (download + "setup.exe").c_str(), FALSE));
  ASSERT_TRUE(CopyFileA((programs + "planting_probe.exe").c_str(), (download + "probe.exe").c_str(), FALSE));
  for (const char* name : kPlanted) {
    ASSERT_TRUE(CopyFileA((programs + "planted_marker.dll").c_str(), (download + name + ".dll").c_str(), FALSE));
    for (const char* program : {"setup.exe", "probe.exe"})
      ASSERT_TRUE(fx::PutValue(HKEY_CURRENT_USER, std::string("Software\\Wine\\AppDefaults\\") + program + "\\DllOverrides",
                               name, REG_SZ, std::string("native,builtin") + '\0'));
  }
  // The probe loads DLLs by their bare names: the planted copies are taken, so the check below proves something.
  DWORD exitCode = 99;
  ASSERT_TRUE(ui::WaitExit(ui::Start(download + "probe.exe"), &exitCode));
  ASSERT_TRUE(fx::Exists(download + "riched20.dll.loaded"));
  for (const char* name : kPlanted) DeleteFileA((download + name + ".dll.loaded").c_str());
  const Row row = {.name = "planting"};
  Prepare(row);
  Expect(row, Drive(row, download + "setup.exe"));
  for (const char* name : kPlanted) EXPECT_FALSE(fx::Exists(download + name + ".dll.loaded")) << name;
  for (const char* program : {"setup.exe", "probe.exe"})
    RegDeleteTreeA(HKEY_CURRENT_USER, (std::string("Software\\Wine\\AppDefaults\\") + program).c_str());
}

// Runs a program under this process's debugger and ends it on entry to the count-th call of a kernel32 function,
// before that call has done anything: a moment as certain as a line of the program, unlike a kill after a time.
// True when it was ended there; false when it ended by itself first. kernel32 lies at the same address in every
// process, so the function's address here is its address there. The breakpoint goes in at the loader's own
// breakpoint, once kernel32 is there. A call before the count-th runs its first instruction with the original
// byte back in place, and the trap flag returns it to us to set the breakpoint again.
bool KillAtCall(const std::string& exePath, const std::string& arguments, const char* function, int count) {
  BYTE* const at = reinterpret_cast<BYTE*>(GetProcAddress(GetModuleHandleA("kernel32.dll"), function));
  const ui::Process run = ui::Start(exePath, arguments, "", DEBUG_ONLY_THIS_PROCESS);
  const ScopedHandle& process = run.handle;
  if (!process) return false;
  auto poke = [&](BYTE value) {
    return WriteProcessMemory(process.get(), at, &value, 1, nullptr) && FlushInstructionCache(process.get(), at, 1);
  };
  BYTE original = 0;
  bool armed = false, killed = false;
  DEBUG_EVENT event{};
  CONTEXT context{};
  context.ContextFlags = CONTEXT_CONTROL;
  while (WaitForDebugEvent(&event, ui::kPatienceMs)) {
    const EXCEPTION_RECORD& record = event.u.Exception.ExceptionRecord;
    const ScopedHandle stopped(OpenThread(THREAD_GET_CONTEXT | THREAD_SET_CONTEXT, FALSE, event.dwThreadId));
    DWORD answer = DBG_CONTINUE;
    if (event.dwDebugEventCode == CREATE_PROCESS_DEBUG_EVENT) CloseHandle(event.u.CreateProcessInfo.hFile);
    if (event.dwDebugEventCode == LOAD_DLL_DEBUG_EVENT) CloseHandle(event.u.LoadDll.hFile);
    if (event.dwDebugEventCode == EXCEPTION_DEBUG_EVENT && !killed) {
      if (record.ExceptionCode == EXCEPTION_BREAKPOINT && !armed)
        armed = ReadProcessMemory(process.get(), at, &original, 1, nullptr) && poke(0xCC);
      else if (record.ExceptionAddress == at && --count == 0)
        killed = TerminateProcess(process.get(), 1);
      else if (record.ExceptionAddress == at && GetThreadContext(stopped.get(), &context) && poke(original)) {
        context.Eip = reinterpret_cast<DWORD>(at);
        context.EFlags |= 0x100;  // the trap flag
        SetThreadContext(stopped.get(), &context);
      } else if (record.ExceptionCode == EXCEPTION_SINGLE_STEP)
        poke(0xCC);
      else if (record.ExceptionCode != EXCEPTION_BREAKPOINT)
        answer = DBG_EXCEPTION_NOT_HANDLED;
    }
    ContinueDebugEvent(event.dwProcessId, event.dwThreadId, answer);
    if (event.dwDebugEventCode == EXIT_PROCESS_DEBUG_EVENT)
      return WaitForSingleObject(process.get(), ui::kPatienceMs) == WAIT_OBJECT_0 && killed;
  }
  TerminateProcess(process.get(), 1);
  return false;
}

// An update killed on entry to twenty calls of WriteFile spread over its writes, and once with the new library
// whole beside the old one, on entry to the rename: every file is old or whole and new after each kill, and a
// repair leaves nothing else beside them.
TEST_F(Installer, AKilledUpdateLeavesEveryFileOldOrNew) {
  Prepare({.name = "killed", .before = Before::earlierFiles, .host = {.compiler = false}});
  int writes = 0;  // one per 4096 bytes
  for (const InstalledItem& item : kItems) writes += (PayloadGet(item.block).size + 4095) / 4096;
  for (int kill = -1; kill < 20; ++kill) {
    ASSERT_TRUE(KillAtCall(fx::InstallerPath(), "/S", kill < 0 ? "MoveFileExA" : "WriteFile",
                           kill < 0 ? 1 : 1 + kill * (writes - 1) / 19));
    for (int i = 0; i < 9; ++i) {
      const std::string bytes = fx::ReadBytes(root_ + kItems[i].target);
      EXPECT_TRUE(bytes == earlier_[i] || bytes == BlockOf(kItems[i].block)) << kill << ": " << kItems[i].target;
    }
    EXPECT_TRUE(kill >= 0 || fx::ReadBytes(root_ + kItems[0].target + kPart) == BlockOf(kItems[0].block));
  }
  const Row repair = {.name = "repair", .host = {.compiler = false}, .switches = "/S", .folders = 0};
  ASSERT_TRUE(fx::WriteRecord("1007", "13.09.2007"));
  Expect(repair, DriveSilently(repair));
}
}  // namespace
