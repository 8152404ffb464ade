#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <thread>

#include "host/compiler_version.h"
#include "registry/host_lookup.h"
#include "standin.h"

namespace {
const std::string kBanner = "PureBasic 4.10 (Windows - x86)\r\nCopyright (c) Fantaisie Software\r\n";

DWORD Elapsed(DWORD since) { return GetTickCount() - since; }

// Waits for the process to be gone; true with its exit code. Ends it when it is still there.
bool Ended(HANDLE process, DWORD timeoutMs, DWORD* exitCode) {
  if (!process) return false;
  const bool ended = WaitForSingleObject(process, timeoutMs) == WAIT_OBJECT_0;
  GetExitCodeProcess(process, exitCode);
  if (!ended) TerminateProcess(process, 9);
  CloseHandle(process);
  return ended;
}

HANDLE OpenStandin(const StandinInstallation& installation) {
  HANDLE process = nullptr;
  ui::WaitUntil([&] {
    const DWORD pid = installation.LastPid();
    if (pid) process = OpenProcess(SYNCHRONIZE | PROCESS_QUERY_INFORMATION | PROCESS_TERMINATE, FALSE, pid);
    return process != nullptr;
  }, 5000, 5);
  return process;
}
}  // namespace

TEST(CompilerQuery, RunsTheInstalledCompilerHiddenAndReducesItsBanner) {
  StandinInstallation installation;
  installation.Behave("print", kBanner);
  EXPECT_EQ(GetCompilerVersion(), Text("4.10"));
  EXPECT_EQ(installation.Log(), "print|\"" + installation.compilerPath() + "\" /VERSION|flags=101|show=0\n");
  installation.Behave("print", "PureBasic v4.02 Beta 1 (Windows - x86)\r\n");
  EXPECT_EQ(GetCompilerVersion(), Text("4.02 BETA 1"));
  installation.Behave("print", "");
  EXPECT_EQ(GetCompilerVersion(), Text(""));
}

TEST(CompilerQuery, TheLastBlockThatDeliveredBytesDecides) {
  StandinInstallation installation;
  installation.Behave("blocks", "PureBasic 4.00 (Windows - x86)\r\n|PureBasic 4.10 (Windows - x86)\r\n");
  EXPECT_EQ(GetCompilerVersion(), Text("4.10"));
  installation.Behave("blocks", "PureBasic 4.10 (Windows - x86)|\r\nsecond line\r\n");
  EXPECT_EQ(GetCompilerVersion(), Text(""));
  // A first line longer than one 500-byte read: the next read's first line replaces it.
  installation.Behave("print", "PureBasic 4.10 " + std::string(485, '9') + "Beta\r\nsecond line\r\n");
  EXPECT_EQ(ReadCompilerBanner(installation.compilerPath().c_str()), Text("BETA"));
}

TEST(CompilerQuery, StartsNothingWithoutAProgramAtAnAbsolutePath) {
  for (auto placement : {StandinInstallation::Compiler::Nothing, StandinInstallation::Compiler::Directory,
                         StandinInstallation::Compiler::EmptyFile}) {
    StandinInstallation installation(placement);
    EXPECT_EQ(GetCompilerVersion(), Text(""));
  }
  // No installation registered: a compiler below the current folder must not be started.
  StandinInstallation unregistered(StandinInstallation::Compiler::Program, false);
  ASSERT_EQ(LocatePureBasic(), Text(""));
  unregistered.Behave("print", kBanner);
  char previous[MAX_PATH];
  GetCurrentDirectoryA(MAX_PATH, previous);
  SetCurrentDirectoryA(unregistered.root().c_str());
  const Text version = GetCompilerVersion();
  SetCurrentDirectoryA(previous);
  EXPECT_EQ(version, Text(""));
  EXPECT_EQ(unregistered.Log(), "");
}

TEST(CompilerQuery, ACompilerThatNeverEndsIsEndedAfterTheBoundAndItsOutputKept) {
  StandinInstallation installation;
  installation.Behave("hang", kBanner);
  // Opened while the query waits, so that its exit code can still be read afterwards.
  HANDLE standin = nullptr;
  std::thread opener([&] { standin = OpenStandin(installation); });
  const DWORD start = GetTickCount();
  EXPECT_EQ(GetCompilerVersion(), Text("4.10"));
  opener.join();
  EXPECT_GE(Elapsed(start), 4900u);
  EXPECT_LT(Elapsed(start), 20000u);  // the 5 s bound, with room for a loaded machine
  DWORD exitCode = 0;
  EXPECT_TRUE(Ended(standin, 2000, &exitCode));
  EXPECT_EQ(exitCode, 1u);  // ended by the query, not by itself
}

TEST(CompilerQuery, OutputWithoutEndDoesNotHoldTheQueryBeyondItsBound) {
  StandinInstallation installation;
  installation.Behave("flood", kBanner);
  const DWORD start = GetTickCount();
  GetCompilerVersion();
  // The bound is 5 s; the stand-in would flood for 60 s.
  EXPECT_LT(Elapsed(start), 15000u);
}

TEST(CompilerQuery, AChildLeftBehindHoldsNeitherThePipeNorTheInstallersOtherHandles) {
  StandinInstallation installation;
  HANDLE release = CreateEventA(nullptr, TRUE, FALSE, "velkor_standin_release");
  // Inheritable, as the single-instance marker is: it must not reach the compiler or what that leaves behind.
  SECURITY_ATTRIBUTES inheritable{sizeof inheritable, nullptr, TRUE};
  HANDLE marker = CreateMutexA(&inheritable, TRUE, "velkor_test_marker");
  installation.Behave("grandchild", kBanner);
  const DWORD start = GetTickCount();
  EXPECT_EQ(GetCompilerVersion(), Text("4.10"));
  EXPECT_LT(Elapsed(start), 4000u);  // blocking on the pipe would last the whole 5 s bound
  CloseHandle(marker);
  HANDLE kept = OpenMutexA(SYNCHRONIZE, FALSE, "velkor_test_marker");
  EXPECT_EQ(kept, nullptr);
  if (kept) CloseHandle(kept);
  // Once the query has closed its read end, the lingering child's writes must fail: no other read end exists.
  HANDLE lingering = OpenStandin(installation);
  SetEvent(release);
  DWORD exitCode = 99;
  EXPECT_TRUE(Ended(lingering, 8000, &exitCode));
  EXPECT_EQ(exitCode, 0u);
  CloseHandle(release);
}
