#include <gtest/gtest.h>

#include <string>

#include "registry/host_lookup.h"
#include "registry_test_keys.h"

namespace {

// On this platform branch (Wine reports build 7601) the first two sources read this key.
const std::string kApplications = "Applications\\PureBasic.exe\\shell\\open\\command";
const std::string kClass = "PureBasic.exe\\shell\\open\\command";
const std::string kNormalForm = "\"C:\\Programme\\PureBasic\\PureBasic.exe\" \"%1\"";
const char kProbe[] = "locate_pure_basic_probe.exe";
const std::string kAppDefaults = std::string("Software\\Wine\\AppDefaults\\") + kProbe;

std::string Locate() { return LocatePureBasic().c_str(); }
std::string Associated(const char* extension) { return GetAssociatedProgram(extension).c_str(); }

// Registers ".pb" files with a class whose open command is this command line.
void RegisterPbFiles(const std::string& commandLine) {
  PutString(HKEY_CLASSES_ROOT, ".pb", "", "VelkorTestPbFile");
  PutString(HKEY_CLASSES_ROOT, "VelkorTestPbFile\\shell\\open\\command", "", commandLine);
}

// A normal-form command line of exactly this length, its directory in mixed case.
std::string CommandLineOfLength(size_t length, std::string& directory) {
  const std::string frame = "\"\\PureBasic.exe\" \"%1\"";
  directory = "C:\\Programme\\" + std::string(length - frame.size() - 13, 'd') + "\\";
  directory[directory.size() - 2] = 'D';
  return "\"" + directory + "PureBasic.exe\" \"%1\"";
}

std::string Upper(std::string text) {
  for (char& c : text)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 32);
  return text;
}

class HostLookup : public ::testing::Test {
protected:
  ScratchKeys keys{{HKEY_CLASSES_ROOT, "Applications\\PureBasic.exe"},
                   {HKEY_CLASSES_ROOT, "PureBasic.exe"},
                   {HKEY_CLASSES_ROOT, ".pb"},
                   {HKEY_CLASSES_ROOT, "VelkorTestPbFile"},
                   {HKEY_CLASSES_ROOT, ".velkortest"},
                   {HKEY_CLASSES_ROOT, "VelkorTestFile"},
                   {HKEY_CURRENT_USER, kAppDefaults.c_str()}};
};

}  // namespace

TEST_F(HostLookup, SourcesAreTriedInOrderUntilOneNamesPureBasic) {
  EXPECT_EQ(Locate(), "");
  PutString(HKEY_CLASSES_ROOT, kApplications, "", kNormalForm);
  PutString(HKEY_CLASSES_ROOT, "PureBasic.exe\\DefaultIcon", "", "C:\\Pb3\\PureBasic.exe,0");
  PutString(HKEY_CLASSES_ROOT, kClass, "", "\"C:\\Pb3\\PureBasic.exe\" \"%1\"");
  RegisterPbFiles("\"C:\\Pb4\\PureBasic.exe\" \"%1\"");
  // The direct read keeps the registry's letter case; the others give capitals.
  EXPECT_EQ(Locate(), "C:\\Programme\\PureBasic\\");
  DeleteKeyTree(HKEY_CLASSES_ROOT, "Applications\\PureBasic.exe");
  EXPECT_EQ(Locate(), "C:\\PB3\\");
  DeleteKeyTree(HKEY_CLASSES_ROOT, "PureBasic.exe");
  EXPECT_EQ(Locate(), "C:\\PB4\\");
  DeleteKeyTree(HKEY_CLASSES_ROOT, ".pb");
  EXPECT_EQ(Locate(), "");
}

TEST_F(HostLookup, DirectReadCutsNormalAndShortenedCommandLines) {
  PutString(HKEY_CLASSES_ROOT, kApplications, "", "\"C:\\Pb\\PureBasic.exe\"");
  EXPECT_EQ(Locate(), "C:\\Pb\\");
  PutString(HKEY_CLASSES_ROOT, kApplications, "", "c:\\Werkzeuge\\PureBasic\\purebasic.exe \"%1\"");
  EXPECT_EQ(Locate(), "c:\\Werkzeuge\\PureBasic\\");
  // Any value type: an expandable string is taken as it is.
  PutValue(HKEY_CLASSES_ROOT, kApplications, "", REG_EXPAND_SZ, "\"%ProgramFiles%\\Pb\\PureBasic.exe\" \"%1\"" +
                                                                      std::string(1, '\0'));
  EXPECT_EQ(Locate(), "%ProgramFiles%\\Pb\\");
}

TEST_F(HostLookup, NameWithoutDirectoryUnderTheFirstSourceEndsTheLookup) {
  PutString(HKEY_CLASSES_ROOT, kClass, "", "\"C:\\Pb3\\PureBasic.exe\" \"%1\"");
  RegisterPbFiles("\"C:\\Pb4\\PureBasic.exe\" \"%1\"");
  PutString(HKEY_CLASSES_ROOT, kApplications, "", "\"PureBasic.exe\" \"%1\"");
  EXPECT_EQ(Locate(), "");
  PutString(HKEY_CLASSES_ROOT, kApplications, "", "\"C:\\Pb\\Compiler.exe\" \"%1\"");
  EXPECT_EQ(Locate(), "C:\\PB3\\");
}

TEST_F(HostLookup, CommandLineTooLongForTheDirectReadIsTakenByTheLibraryRead) {
  std::string directory;
  PutString(HKEY_CLASSES_ROOT, kApplications, "", CommandLineOfLength(521, directory));
  EXPECT_EQ(Locate(), directory);
  PutString(HKEY_CLASSES_ROOT, kApplications, "", CommandLineOfLength(522, directory));
  EXPECT_EQ(Locate(), Upper(directory));
  // The library read takes strings only.
  PutValue(HKEY_CLASSES_ROOT, kApplications, "", REG_EXPAND_SZ, CommandLineOfLength(600, directory) + '\0');
  EXPECT_EQ(Locate(), "");
}

TEST_F(HostLookup, SearchedCommandKeyNeedsAQuotedProgramAndItsExactName) {
  PutKey(HKEY_CLASSES_ROOT, "PureBasic.exe\\DefaultIcon");
  PutString(HKEY_CLASSES_ROOT, kClass, "", "C:\\Pb3\\PureBasic.exe %1");
  EXPECT_EQ(Locate(), "");
  DeleteKeyTree(HKEY_CLASSES_ROOT, "PureBasic.exe\\shell");
  PutString(HKEY_CLASSES_ROOT, "PureBasic.exe\\shell\\open\\Command", "", "\"C:\\Pb3\\PureBasic.exe\" \"%1\"");
  EXPECT_EQ(Locate(), "");
  PutString(HKEY_CLASSES_ROOT, "PureBasic.exe\\shell\\edit\\command", "", "\"C:\\Pb3\\Bäume\\PureBasic.exe\"");
  EXPECT_EQ(Locate(), "C:\\PB3\\BÄUME\\");
}

TEST_F(HostLookup, AssociatedProgramIsCutBehindExe) {
  EXPECT_EQ(Associated("velkortest"), "");
  PutString(HKEY_CLASSES_ROOT, ".velkortest", "", "VelkorTestFile");
  EXPECT_EQ(Associated("velkortest"), "");
  const std::string command = "VelkorTestFile\\Shell\\Open\\Command";
  PutString(HKEY_CLASSES_ROOT, command, "", "\"C:\\Program Files\\Web\\Browser.exe\" -url \"%1\"");
  EXPECT_EQ(Associated("velkortest"), "C:\\Program Files\\Web\\Browser.exe");
  EXPECT_EQ(Associated(".velkortest"), "");
}

TEST_F(HostLookup, AssociatedCommandLineMustFitIn254Characters) {
  PutString(HKEY_CLASSES_ROOT, ".velkortest", "", "VelkorTestFile");
  const std::string command = "VelkorTestFile\\Shell\\Open\\Command";
  const std::string fits = "C:\\" + std::string(241, 'w') + "\\Web.exe x";
  ASSERT_EQ(fits.size(), 254u);
  PutString(HKEY_CLASSES_ROOT, command, "", fits);
  EXPECT_EQ(Associated("velkortest"), fits.substr(0, 253));
  PutString(HKEY_CLASSES_ROOT, command, "", fits + "y");
  EXPECT_EQ(Associated("velkortest"), "");
}

namespace {

// Runs the probe next to this test program and returns what it prints; its output fits the pipe's buffer,
// so it can finish before anything is read.
std::string RunProbe() {
  char own[MAX_PATH];
  const DWORD length = GetModuleFileNameA(nullptr, own, MAX_PATH);
  std::string probe(own, length);
  probe = probe.substr(0, probe.find_last_of('\\') + 1) + kProbe;
  SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
  HANDLE readEnd, writeEnd;
  if (!CreatePipe(&readEnd, &writeEnd, &inherit, 0)) return "no pipe";
  SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdOutput = writeEnd;
  startup.hStdError = writeEnd;
  PROCESS_INFORMATION process{};
  std::string commandLine = "\"" + probe + "\"";
  const BOOL started = CreateProcessA(probe.c_str(), commandLine.data(), nullptr, nullptr, TRUE, CREATE_NO_WINDOW,
                                      nullptr, nullptr, &startup, &process);
  CloseHandle(writeEnd);
  std::string output = "not started";
  if (started) {
    if (WaitForSingleObject(process.hProcess, 30000) == WAIT_OBJECT_0) {
      output.clear();
      char chunk[512];
      DWORD got;
      while (ReadFile(readEnd, chunk, sizeof chunk, &got, nullptr) && got) output.append(chunk, got);
    } else {
      TerminateProcess(process.hProcess, 1);
      output = "timed out";
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
  }
  CloseHandle(readEnd);
  return output;
}

}  // namespace

// Wine shows the probe program Windows 98, whose masked GetVersion() bits are zero: the first two sources
// then read below HKEY_LOCAL_MACHINE\Software\Classes.
TEST_F(HostLookup, NinetyEightBranchReadsTheMachineClasses) {
  PutString(HKEY_CURRENT_USER, kAppDefaults, "Version", "win98");
  // The direct read: HKEY_LOCAL_MACHINE\Software\Classes\PureBasic.exe, not the Applications key.
  PutString(HKEY_LOCAL_MACHINE, "Software\\Classes\\" + kClass, "", kNormalForm);
  const std::string direct = RunProbe();
  ASSERT_EQ(direct.size(), 9 + std::string("C:\\Programme\\PureBasic\\|").size()) << direct;
  EXPECT_EQ(std::stoul(direct.substr(0, 8), nullptr, 16) & 0x00FF0000u, 0u) << direct;
  EXPECT_EQ(direct.substr(9), "C:\\Programme\\PureBasic\\|");
  // The library read: HKEY_LOCAL_MACHINE\SOFTWARE\Classes\Applications\Purebasic.exe, in capitals.
  DeleteKeyTree(HKEY_CLASSES_ROOT, "PureBasic.exe");
  PutString(HKEY_LOCAL_MACHINE, "SOFTWARE\\Classes\\" + kApplications, "", kNormalForm);
  EXPECT_EQ(RunProbe(), direct.substr(0, 9) + "C:\\PROGRAMME\\PUREBASIC\\|");
}
