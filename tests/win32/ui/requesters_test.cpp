// The folder requester and the message box, answered from a second thread as a user would.
#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <thread>

#include "platform/window_services.h"
#include "ui_support.h"

namespace {
// What the answering thread saw while the requester was open.
struct Seen {
  HWND dialog = nullptr;
  HWND owner = nullptr;
  bool otherWindowDisabled = false;
  bool foregroundEnabled = false;
  std::string caption;
  std::string text;
};

// Waits for the requester of the given thread, notes what it sees and presses the button with that id.
// For a folder browser, first waits until it shows a folder below a drive selected (desktop, computer, drive ...).
std::thread Answer(DWORD thread, int buttonId, HWND other, HWND foreground, Seen* seen, bool browser = false) {
  return std::thread([=] {
    seen->dialog = FindThreadWindow(thread, "#32770");
    if (!seen->dialog) return;
    if (browser) ui::WaitUntil([&] { return ui::FolderBrowserSelection(seen->dialog).size() >= 3; });
    seen->owner = GetWindow(seen->dialog, GW_OWNER);
    seen->otherWindowDisabled = other && !IsWindowEnabled(other);
    seen->foregroundEnabled = foreground && IsWindowEnabled(foreground);
    char buffer[256] = {};
    GetWindowTextA(seen->dialog, buffer, sizeof buffer);
    seen->caption = buffer;
    buffer[0] = 0;
    GetDlgItemTextA(seen->dialog, 0xFFFF, buffer, sizeof buffer);
    seen->text = buffer;
    HWND button = GetDlgItem(seen->dialog, buttonId);
    // A click that ends a modal window must be posted, not sent.
    if (button) PostMessageA(button, BM_CLICK, 0, 0);
    else PostMessageA(seen->dialog, WM_COMMAND, buttonId, 0);
  });
}

class Requesters : public ::testing::Test {
protected:
  void SetUp() override {
    ASSERT_NE(WindowOpen(60, 0, 0, 200, 100, "Hintergrund", WS_CAPTION, nullptr), 0);
    ASSERT_NE(WindowOpen(61, 300, 0, 200, 100, "Vordergrund", WS_CAPTION, nullptr), 0);
    SetForegroundWindow(WindowHandle(61));
    SetActiveWindow(WindowHandle(61));
    DrainEvents();
  }
  void TearDown() override {
    WindowClose(61);
    WindowClose(60);
  }
  DWORD thread_ = GetCurrentThreadId();
};
}  // namespace

TEST_F(Requesters, FolderChosenAtDriveRootEndsWithOneBackslash) {
  Seen seen;
  std::thread answer = Answer(thread_, IDOK, WindowHandle(60), WindowHandle(61), &seen, true);
  const Text chosen = RequestFolder("Bitte das PureBasic-Verzeichnis wählen", "C:\\");
  answer.join();
  ASSERT_NE(seen.dialog, nullptr);
  EXPECT_EQ(chosen, Text("C:\\"));
  // Other windows were disabled while it was open, and are enabled again.
  EXPECT_TRUE(seen.otherWindowDisabled);
  EXPECT_EQ(seen.owner, WindowHandle(61));
  EXPECT_TRUE(IsWindowEnabled(WindowHandle(60)));
  EXPECT_TRUE(IsWindowEnabled(WindowHandle(61)));
}

TEST_F(Requesters, FolderWithTrailingBackslashIsPreselectedAndReturnedWithOne) {
  char windows[MAX_PATH] = {};
  ASSERT_GT(GetWindowsDirectoryA(windows, MAX_PATH), 3u);
  Seen seen;
  std::thread answer = Answer(thread_, IDOK, nullptr, nullptr, &seen, true);
  const Text chosen = RequestFolder("Ordner", Text(windows) + Text("\\"));
  answer.join();
  ASSERT_NE(seen.dialog, nullptr);
  EXPECT_EQ(lstrcmpiA(chosen.c_str(), (std::string(windows) + "\\").c_str()), 0) << chosen.c_str();
}

TEST_F(Requesters, FolderCancelledGivesEmptyText) {
  Seen seen;
  std::thread answer = Answer(thread_, IDCANCEL, nullptr, nullptr, &seen);
  const Text chosen = RequestFolder("Ordner", "C:\\windows");
  answer.join();
  ASSERT_NE(seen.dialog, nullptr);
  EXPECT_EQ(chosen, Text(""));
  EXPECT_TRUE(IsWindowEnabled(WindowHandle(60)));
}

TEST_F(Requesters, MessageBoxShowsTitleAndLinesAndClosesWithOk) {
  Seen seen;
  std::thread answer = Answer(thread_, IDOK, WindowHandle(60), WindowHandle(61), &seen);
  const int result = ShowMessage("Abbruch", "falscher Pfad - bitte wiederholen\rzweite Zeile");
  answer.join();
  ASSERT_NE(seen.dialog, nullptr);
  EXPECT_EQ(result, IDOK);
  EXPECT_EQ(seen.caption, "Abbruch");
  EXPECT_EQ(seen.text, "falscher Pfad - bitte wiederholen\rzweite Zeile");
  EXPECT_EQ(seen.owner, WindowHandle(61));
  EXPECT_TRUE(seen.otherWindowDisabled);
  EXPECT_TRUE(IsWindowEnabled(WindowHandle(60)));
}
