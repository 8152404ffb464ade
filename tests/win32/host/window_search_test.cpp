#include <gtest/gtest.h>
#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "host/window_search.h"
#include "platform/window_services.h"
#include "tests/support/ui_driver.h"

namespace {
class WindowSearch : public ::testing::Test {
protected:
  static void SetUpTestSuite() { ServicesStart(); }

  void SetUp() override {
    anchor_ = static_cast<int>(WindowOpen(-1, 0, 0, 10, 10, Text(), kWindowHidden, nullptr));
    ASSERT_NE(anchor_, 0);
  }
  void TearDown() override {
    for (HWND window : opened_) DestroyWindow(window);
    WindowClose(anchor_);
  }

  HWND Open(const char* className, const char* title, HWND parent = nullptr) {
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = DefWindowProcA;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = className;
    RegisterClassA(&windowClass);
    HWND window = CreateWindowA(className, title, parent ? WS_CHILD : WS_OVERLAPPED, 0, 0, 50, 50, parent, nullptr,
                                windowClass.hInstance, nullptr);
    if (!parent) opened_.push_back(window);
    return window;
  }

  Text Find(const char* title) { return FindTitledWindow(anchor_, title); }

  int anchor_ = 0;
  std::vector<HWND> opened_;
};

Text HandleText(HWND window) { return NumberToText(static_cast<int32_t>(reinterpret_cast<intptr_t>(window))); }
}  // namespace

TEST_F(WindowSearch, AnExactTitleIsFoundWhateverTheClass) {
  HWND plain = Open("VelkorPlainClass", "Velkor exact title");
  EXPECT_EQ(Find("Velkor exact title"), HandleText(plain));
  // Only part of the title, and not a window of the layer: nothing.
  EXPECT_EQ(Find("Velkor exact"), Text(""));
  EXPECT_EQ(Find("Velkor nowhere"), Text(""));
}

TEST_F(WindowSearch, LayerWindowsAreFoundByPartOfTheirTitleAtAnyDepth) {
  HWND outer = Open("VelkorPlainClass", "outer");
  HWND child = Open("WindowClass_9901", "inner Velkor child", outer);
  HWND grandchild = Open("WindowClass_9902", "deep Velkor grandchild", child);
  HWND top = Open("WindowClass_9903", "Fortschritt Velkor top ...");
  EXPECT_EQ(Find("Velkor child"), HandleText(child));
  EXPECT_EQ(Find("Velkor grandchild"), HandleText(grandchild));
  EXPECT_EQ(Find("Velkor top"), HandleText(top));
  EXPECT_EQ(Find("velkor child"), Text(""));  // case-sensitive
}

TEST_F(WindowSearch, AmongSeveralMatchesTheLowestProcessWins) {
  HWND own = Open("WindowClass_9904", "Velkor twin here");
  const std::string ready = "velkor_twin_ready_" + std::to_string(GetCurrentProcessId());
  const std::string quit = "velkor_twin_quit_" + std::to_string(GetCurrentProcessId());
  HANDLE readyEvent = CreateEventA(nullptr, TRUE, FALSE, ready.c_str());
  HANDLE quitEvent = CreateEventA(nullptr, TRUE, FALSE, quit.c_str());
  ui::Process other = ui::ProcessStart(ui::ProgramFolder() + "window_helper.exe",
                                       "show WindowClass_9904 \"Velkor twin there\" " + ready + " " + quit);
  ASSERT_EQ(WaitForSingleObject(readyEvent, 10000), WAIT_OBJECT_0);
  HWND theirs = FindWindowA("WindowClass_9904", "Velkor twin there");
  ASSERT_NE(theirs, nullptr);
  EXPECT_EQ(Find("Velkor twin"), HandleText(other.id() < GetCurrentProcessId() ? theirs : own));
  SetEvent(quitEvent);
  other.Wait(5000);
  CloseHandle(readyEvent);
  CloseHandle(quitEvent);
}
