// The installation run when its progress window cannot get the "Fertig" button.
#include <gtest/gtest.h>

#include <cstdio>

#include "installer/progress_window.h"
#include "installer/run_state.h"
#include "platform/scoped_resources.h"
#include "platform/window_services.h"
#include "setup/object_numbers.h"
#include "tests/support/driver.h"
#include "tests/support/fixtures.h"

namespace {

// Refuses to create the button, as a system out of window resources would.
LRESULT CALLBACK RefuseFinishButton(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HCBT_CREATEWND &&
      reinterpret_cast<CBT_CREATEWNDA*>(lParam)->lpcs->hMenu == reinterpret_cast<HMENU>(kFinishControl))
    return 1;
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

// A run that waits for ever is reported as a failure instead of hanging the suite.
DWORD WINAPI Watchdog(void* done) {
  if (WaitForSingleObject(done, ui::kPatienceMs) == WAIT_OBJECT_0) return 0;
  std::fputs("the run still waits for a button that does not exist\n", stderr);
  ExitProcess(1);
}

}  // namespace

TEST(ProgressWindow, WithoutFertigTheRunInstallsAndEndsInsteadOfWaiting) {
  SetErrorMode(0);  // GoogleTest sets its own
  ServicesStart();
  // Nor does a system error box (no disk in a drive) wait for a person.
  EXPECT_EQ(GetErrorMode(), UINT{SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX});
  fx::CleanRegistry();
  const std::string root = fx::FreshFolder("no-finish");
  ASSERT_TRUE(fx::MakeHost(root, {.compiler = false}));
  RunState run;
  SetReleaseConstants(run);
  DeriveVersionNumber(run);
  run.installRoot = root.c_str();

  const ScopedHandle done(CreateEventA(nullptr, TRUE, FALSE, nullptr));
  const ScopedHandle watchdog(CreateThread(nullptr, 0, Watchdog, done.get(), 0, nullptr));
  HHOOK hook = SetWindowsHookExA(WH_CBT, RefuseFinishButton, nullptr, GetCurrentThreadId());
  ASSERT_NE(hook, nullptr);
  RunInstallation(run);
  UnhookWindowsHookEx(hook);
  SetEvent(done.get());
  WaitForSingleObject(watchdog.get(), INFINITE);

  EXPECT_TRUE(WindowExists(kProgressWindow));
  EXPECT_EQ(ControlHandle(kFinishControl), nullptr);
  EXPECT_NE(TextFind(run.installLog, "Installation erfolgreich abgeschlossen"), 0);
  WindowClose(kProgressWindow);
  fx::CleanRegistry();
  fx::RemoveTree(root);
}
