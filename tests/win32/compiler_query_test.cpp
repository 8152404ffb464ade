// The compiler query's bounds, against the stand-in compiler in a registered stand-in host.
#include <gtest/gtest.h>

#include <algorithm>

#include "host/compiler_version.h"
#include "platform/scoped_resources.h"
#include "tests/support/driver.h"
#include "tests/support/fixtures.h"

namespace {

class CompilerQuery : public ::testing::Test {
protected:
  void SetUp() override {
    fx::CleanRegistry();
    root_ = fx::FreshFolder("query");
    ASSERT_TRUE(fx::MakeHost(root_) && fx::Associate(root_));
  }
  void TearDown() override {
    SetEvent(release_.get());
    SetEnvironmentVariableA("VELKOR_STANDIN", nullptr);
    fx::CleanRegistry();
    ui::WaitUntil([&] { return fx::RemoveTree(root_), !fx::Exists(root_); });
  }
  // The stand-in run noted on the given line of its call log, opened; null once it has ended.
  HANDLE Run(int line) {
    std::string calls;
    ui::WaitUntil([&] {
      calls = Calls();
      return std::count(calls.begin(), calls.end(), '\n') > line;
    });
    size_t at = 0;
    for (int i = 0; i < line; ++i) at = calls.find('\n', at) + 1;
    return OpenProcess(SYNCHRONIZE | PROCESS_QUERY_INFORMATION, FALSE, std::stoul(calls.substr(at)));
  }
  std::string Calls() { return fx::ReadBytes(root_ + "Compilers\\called.txt"); }

  std::string root_;
  ScopedHandle release_{CreateEventA(nullptr, TRUE, FALSE, "velkor_standin_release")};
};

}  // namespace

// The documented bound: at most 5 seconds, then the compiler is ended and what it printed is kept.
TEST_F(CompilerQuery, AHangingCompilerIsEndedAfterTheBound) {
  SetEnvironmentVariableA("VELKOR_STANDIN", "hang");
  const DWORD start = GetTickCount();
  EXPECT_EQ(GetCompilerVersion(), Text("4.10"));
  EXPECT_GE(GetTickCount() - start, 4900u);
  EXPECT_LT(GetTickCount() - start, 20000u);
  ScopedHandle hung(Run(0));
  EXPECT_TRUE(!hung || WaitForSingleObject(hung.get(), 0) == WAIT_OBJECT_0);
}

TEST_F(CompilerQuery, OutputWithoutEndDoesNotHoldTheQueryBeyondItsBound) {
  SetEnvironmentVariableA("VELKOR_STANDIN", "flood");
  const DWORD start = GetTickCount();
  GetCompilerVersion();
  EXPECT_LT(GetTickCount() - start, 15000u);  // the bound is 5 s; the stand-in would flood for 60 s
}

// A child of the compiler keeps the pipe's write end: the query ends with the compiler, and the child's later
// writes fail, since no read end was handed down to it; nor did any other inheritable handle reach it.
TEST_F(CompilerQuery, AChildLeftBehindHoldsNeitherThePipeNorTheInstallersOtherHandles) {
  SECURITY_ATTRIBUTES inheritable{sizeof inheritable, nullptr, TRUE};  // as the single-instance marker is
  ScopedHandle marker(CreateMutexA(&inheritable, TRUE, "velkor_test_marker"));
  SetEnvironmentVariableA("VELKOR_STANDIN", "grandchild");
  const DWORD start = GetTickCount();
  EXPECT_EQ(GetCompilerVersion(), Text("4.10"));
  EXPECT_LT(GetTickCount() - start, 4000u);  // held by the pipe, it would last the whole 5 s bound
  marker.Reset();
  EXPECT_FALSE(ScopedHandle(OpenMutexA(SYNCHRONIZE, FALSE, "velkor_test_marker")));
  ScopedHandle lingering(Run(1));
  ASSERT_TRUE(lingering);
  SetEvent(release_.get());
  DWORD exitCode = 99;
  EXPECT_EQ(WaitForSingleObject(lingering.get(), ui::kPatienceMs), WAIT_OBJECT_0);
  EXPECT_TRUE(GetExitCodeProcess(lingering.get(), &exitCode));
  EXPECT_EQ(exitCode, 0u);
}

// Without an installation at an absolute path nothing is started, not even a compiler below the current folder.
TEST_F(CompilerQuery, StartsNothingWithoutAnInstallation) {
  fx::CleanRegistry();
  char previous[MAX_PATH] = {};
  GetCurrentDirectoryA(MAX_PATH, previous);
  SetCurrentDirectoryA(root_.c_str());
  const Text version = GetCompilerVersion();
  SetCurrentDirectoryA(previous);
  EXPECT_EQ(version, Text(""));
  EXPECT_EQ(Calls(), "");
}
