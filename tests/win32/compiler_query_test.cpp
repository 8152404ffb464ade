// The compiler query's bounds, against the stand-in compiler in a registered stand-in host.
#include <gtest/gtest.h>

#include <thread>

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

  std::string root_;
  ScopedHandle release_{CreateEventA(nullptr, TRUE, FALSE, "velkor_standin_release")};
};

}  // namespace

// The documented bound: at most 5 seconds, then the compiler is ended and what it printed is kept, also while it
// keeps printing (the stand-in would go on for a minute; what it printed last is a block of "x").
TEST_F(CompilerQuery, ACompilerThatHangsOrNeverStopsPrintingIsEndedAfterTheBound) {
  const char* const modes[] = {"hang", "flood"};
  const char* const versions[] = {"4.10", ""};  // with every "X" taken out
  for (int call = 0; call < 2; ++call) {
    SCOPED_TRACE(modes[call]);
    SetEnvironmentVariableA("VELKOR_STANDIN", modes[call]);
    const DWORD start = GetTickCount();
    const Text version = GetCompilerVersion();
    EXPECT_GE(GetTickCount() - start, 4900u);
    EXPECT_LT(GetTickCount() - start, 20000u);
    EXPECT_FALSE(version.empty());
    EXPECT_EQ(TextRemove(version, "X"), Text(versions[call]));
    EXPECT_TRUE(fx::CallEnded(root_, call));
  }
}

// A child of the compiler keeps the pipe's write end: the query ends with the compiler instead of at its bound,
// and the child's later writes fail, since no read end was handed down to it; nor did any other inheritable
// handle reach it.
TEST_F(CompilerQuery, AChildLeftBehindHoldsNeitherThePipeNorTheInstallersOtherHandles) {
  SECURITY_ATTRIBUTES inheritable{sizeof inheritable, nullptr, TRUE};  // as the single-instance marker is
  ScopedHandle marker(CreateMutexA(&inheritable, TRUE, "velkor_test_marker"));
  SetEnvironmentVariableA("VELKOR_STANDIN", "grandchild");
  Text version;
  std::thread query([&] { version = GetCompilerVersion(); });
  // Open while the query holds it; a compiler already gone (null) leaves no wait.
  WaitForSingleObject(ScopedHandle(fx::OpenCall(root_, 0)).get(), ui::kPatienceMs);
  const DWORD compilerGone = GetTickCount();
  query.join();
  EXPECT_LT(GetTickCount() - compilerGone, 2500u);  // at the bound it would be 5 s after the start
  EXPECT_EQ(version, Text("4.10"));
  marker.Reset();
  EXPECT_FALSE(ScopedHandle(OpenMutexA(SYNCHRONIZE, FALSE, "velkor_test_marker")));
  ScopedHandle lingering(fx::OpenCall(root_, 1));
  ASSERT_TRUE(lingering);
  SetEvent(release_.get());
  DWORD exitCode = 99;
  EXPECT_EQ(WaitForSingleObject(lingering.get(), ui::kPatienceMs), WAIT_OBJECT_0);
  EXPECT_TRUE(GetExitCodeProcess(lingering.get(), &exitCode));
  EXPECT_EQ(exitCode, 0u);
}
