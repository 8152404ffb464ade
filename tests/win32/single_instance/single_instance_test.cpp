#include <gtest/gtest.h>
#include <windows.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/window_services.h"
#include "setup/single_instance.h"
#include "tests/support/ui_driver.h"

namespace {
std::string Unique(const std::string& stem) {
  static int count = 0;
  return stem + "_" + std::to_string(GetCurrentProcessId()) + "_" + std::to_string(++count);
}

// One run of the guarded helper program (see guarded_program.cpp).
class Guarded {
public:
  Guarded(const std::string& guard, const std::string& title = "-", const std::string& go = "-",
          const std::string& program = "guarded_program.exe") {
    const std::string ready = Unique("velkor_ready");
    const std::string quit = Unique("velkor_quit");
    ready_ = CreateEventA(nullptr, TRUE, FALSE, ready.c_str());
    quit_ = CreateEventA(nullptr, TRUE, FALSE, quit.c_str());
    process_ = ui::ProcessStart(ui::ProgramFolder() + program, ui::QuoteArgument(guard) + " " + ready + " " + quit +
                                                                   " " + go + " " + ui::QuoteArgument(title));
    EXPECT_TRUE(process_.started());
  }
  ~Guarded() {
    process_.Kill();
    CloseHandle(ready_);
    CloseHandle(quit_);
  }
  bool Ready(DWORD timeoutMs = 10000) { return WaitForSingleObject(ready_, timeoutMs) == WAIT_OBJECT_0; }
  // Waits until the program has either passed the guard (true) or ended.
  bool Passed() {
    const HANDLE either[] = {ready_, process_.handle()};
    return WaitForMultipleObjects(2, either, FALSE, 10000) == WAIT_OBJECT_0;
  }
  // The exit code once the program has ended (after a quit request when quit is set), or 999.
  DWORD Exit(bool quit = false) {
    if (quit) SetEvent(quit_);
    DWORD code = 999;
    return process_.Wait(10000, &code) ? code : 999;
  }

private:
  HANDLE ready_;
  HANDLE quit_;
  ui::Process process_;
};

bool MutexExists(const std::string& name) {
  HANDLE mutex = OpenMutexA(SYNCHRONIZE, FALSE, name.c_str());
  if (mutex) CloseHandle(mutex);
  return mutex != nullptr;
}

// Activation reaches the X server and comes back asynchronously under Wine: wait for it, with a bound.
bool IsForeground(HWND window) {
  return ui::WaitUntil([window] { return GetForegroundWindow() == window; }, 3000);
}

// A window of this process in front of everything else.
class ForegroundWindow {
public:
  ForegroundWindow() {
    window_ = CreateWindowA("STATIC", "velkor foreground", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 100, 100, nullptr,
                            nullptr, nullptr, nullptr);
    SetForegroundWindow(window_);
  }
  ~ForegroundWindow() { DestroyWindow(window_); }
  HWND get() const { return window_; }

private:
  HWND window_;
};
}  // namespace

TEST(SingleInstance, ASecondCopyEndsAtOnceWhileTheFirstRunsAndANewOneRunsAfterwards) {
  const std::string guard = Unique("Velkor Guard");
  Guarded first(guard);
  ASSERT_TRUE(first.Ready());
  EXPECT_TRUE(MutexExists("Global\\" + guard));
  Guarded second(guard);
  EXPECT_EQ(second.Exit(), 0u);
  EXPECT_FALSE(second.Ready(0));
  EXPECT_EQ(first.Exit(true), 7u);
  EXPECT_FALSE(MutexExists("Global\\" + guard));
  Guarded third(guard);
  EXPECT_TRUE(third.Ready());
  EXPECT_EQ(third.Exit(true), 7u);
}

TEST(SingleInstance, CopiesStartedAtTheSameMomentLeaveExactlyOneRunning) {
  constexpr int kCopies = 6;
  for (int round = 0; round < 3; ++round) {
    const std::string guard = Unique("Velkor Race");
    const std::string go = Unique("velkor_go");
    HANDLE waiting = CreateSemaphoreA(nullptr, 0, kCopies, (go + "_waiting").c_str());
    HANDLE start = CreateEventA(nullptr, TRUE, FALSE, go.c_str());
    std::vector<std::unique_ptr<Guarded>> copies;
    for (int i = 0; i < kCopies; ++i) copies.push_back(std::make_unique<Guarded>(guard, "-", go));
    for (int i = 0; i < kCopies; ++i) ASSERT_EQ(WaitForSingleObject(waiting, 10000), WAIT_OBJECT_0);
    SetEvent(start);
    int running = 0;
    for (auto& copy : copies) running += copy->Passed() ? 1 : 0;
    EXPECT_EQ(running, 1) << "round " << round;
    for (auto& copy : copies) EXPECT_EQ(copy->Exit(true), copy->Ready(0) ? 7u : 0u);
    CloseHandle(start);
    CloseHandle(waiting);
  }
}

TEST(SingleInstance, ASecondCopyBringsTheFirstCopysWindowToTheFront) {
  const std::string guard = Unique("Velkor Front");
  Guarded first(guard, guard);
  ASSERT_TRUE(first.Ready());
  HWND firstWindow = FindWindowA(nullptr, guard.c_str());
  ASSERT_NE(firstWindow, nullptr);
  ForegroundWindow other;
  ASSERT_TRUE(IsForeground(other.get()));
  Guarded second(guard);
  EXPECT_EQ(second.Exit(), 0u);
  EXPECT_TRUE(IsForeground(firstWindow));
  EXPECT_EQ(first.Exit(true), 7u);
}

TEST(SingleInstance, ActivationReportsTheWindowItBroughtForwardOrNothing) {
  ServicesStart();
  const std::string title = Unique("Velkor Activate");
  HWND target = CreateWindowA("STATIC", title.c_str(), WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 100, 100, nullptr,
                              nullptr, nullptr, nullptr);
  ForegroundWindow other;
  EXPECT_EQ(ActivateRunningInstance(title.c_str()),
            NumberToText(static_cast<int32_t>(reinterpret_cast<intptr_t>(target))));
  EXPECT_TRUE(IsForeground(target));
  EXPECT_TRUE(ActivateRunningInstance(Unique("Velkor Absent").c_str()).empty());
  DestroyWindow(target);
}

TEST(SingleInstance, OnOtherPlatformsTheMarkerIsTheGuardNameAndNoWindowIsSought) {
  // Wine lets one program see a Windows 98 platform under its own file name.
  const std::string program = "guarded_program_9x.exe";
  ASSERT_TRUE(CopyFileA((ui::ProgramFolder() + "guarded_program.exe").c_str(),
                        (ui::ProgramFolder() + program).c_str(), FALSE));
  const std::string key = "Software\\Wine\\AppDefaults\\" + program;
  ASSERT_EQ(RegSetKeyValueA(HKEY_CURRENT_USER, key.c_str(), "Version", REG_SZ, "win98", 6), ERROR_SUCCESS);
  {
    const std::string guard = Unique("Velkor Old");
    Guarded first(guard, guard, "-", program);
    ASSERT_TRUE(first.Ready());
    EXPECT_TRUE(MutexExists(guard));
    EXPECT_FALSE(MutexExists("Global\\" + guard));
    ForegroundWindow other;
    ASSERT_TRUE(IsForeground(other.get()));
    Guarded second(guard, "-", "-", program);
    EXPECT_EQ(second.Exit(), 0u);
    EXPECT_EQ(GetForegroundWindow(), other.get());
    EXPECT_EQ(first.Exit(true), 7u);
  }
  RegDeleteTreeA(HKEY_CURRENT_USER, key.c_str());
  DeleteFileA((ui::ProgramFolder() + program).c_str());
}
