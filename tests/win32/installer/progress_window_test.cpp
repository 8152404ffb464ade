// The installation run when its progress window cannot get the "Fertig" button.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "installer/progress_window.h"
#include "installer/run_state.h"
#include "platform/window_services.h"
#include "setup/object_numbers.h"

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
  if (WaitForSingleObject(done, 120000) == WAIT_OBJECT_0) return 0;
  std::fputs("the run still waits for a button that does not exist\n", stderr);
  ExitProcess(1);
}

}  // namespace

TEST(ProgressWindow, WithoutFertigTheRunInstallsAndEndsInsteadOfWaiting) {
  ServicesStart();
  char temp[MAX_PATH + 1] = {};
  GetTempPathA(MAX_PATH, temp);
  const std::string root = std::string(temp) + "velkor-no-finish-" + std::to_string(GetCurrentProcessId()) + "\\";
  std::filesystem::create_directories(root + "PureLibraries\\UserLibraries");
  RunState run;
  SetReleaseConstants(run);
  DeriveVersionNumber(run);
  run.installRoot = root.c_str();

  HANDLE done = CreateEventA(nullptr, TRUE, FALSE, nullptr);
  HANDLE watchdog = CreateThread(nullptr, 0, Watchdog, done, 0, nullptr);
  HHOOK hook = SetWindowsHookExA(WH_CBT, RefuseFinishButton, nullptr, GetCurrentThreadId());
  ASSERT_NE(hook, nullptr);
  RunInstallation(run);
  UnhookWindowsHookEx(hook);
  SetEvent(done);
  WaitForSingleObject(watchdog, INFINITE);
  CloseHandle(watchdog);
  CloseHandle(done);

  EXPECT_TRUE(WindowExists(kProgressWindow));
  EXPECT_EQ(ControlHandle(kFinishControl), nullptr);
  EXPECT_NE(TextFind(run.installLog, "Installation erfolgreich abgeschlossen"), 0);
  WindowClose(kProgressWindow);
  RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\Dorvanix");
  std::error_code ignored;
  std::filesystem::remove_all(root, ignored);
}
