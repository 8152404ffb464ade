// The event wait on real windows: close box, control events (also from inside containers), queued window
// events, window callbacks and Tab focus moves.
#include <gtest/gtest.h>

#include "platform/window_services.h"
#include "ui_support.h"

namespace {
class Events : public ::testing::Test {
protected:
  void SetUp() override {
    ASSERT_NE(WindowOpen(30, 100, 100, 320, 240, "Ereignisse", WS_CAPTION | WS_SYSMENU, nullptr), 0);
    ASSERT_NE(ControlListBegin(WindowHandle(30)), nullptr);
    DrainEvents();
  }
  void TearDown() override {
    WindowSetCallback(nullptr, -1);
    WindowClose(30);
    DrainEvents();
  }
};

int gCallbackCalls = 0;
HWND gCallbackWindow = nullptr;
HWND gColourRequestFrom = nullptr;
LRESULT gCloseAnswer = kCallbackContinue;

LRESULT CountingCallback(HWND window, UINT message, WPARAM, LPARAM lParam) {
  ++gCallbackCalls;
  gCallbackWindow = window;
  if (message == WM_CTLCOLORSTATIC) gColourRequestFrom = reinterpret_cast<HWND>(lParam);
  if (message == WM_CLOSE) return gCloseAnswer;
  return kCallbackContinue;
}
}  // namespace

TEST_F(Events, CloseBoxGivesEvent16AndWindowStaysOpen) {
  PostMessageA(WindowHandle(30), WM_SYSCOMMAND, SC_CLOSE, 0);
  ASSERT_TRUE(WaitForEvent(kEventCloseWindow));
  EXPECT_EQ(EventWindow(), 30);
  EXPECT_TRUE(IsWindowVisible(WindowHandle(30)));
  EXPECT_NE(WindowExists(30), 0);
  PostMessageA(WindowHandle(30), WM_CLOSE, 0, 0);
  ASSERT_TRUE(WaitForEvent(kEventCloseWindow));
  EXPECT_NE(WindowExists(30), 0);
}

TEST_F(Events, ButtonClickCarriesControlWindowAndNotification) {
  ASSERT_NE(ButtonCreate(101, 10, 10, 100, 24, "Fertig"), 0);
  ASSERT_NE(ButtonCreate(102, 10, 40, 100, 24, "Anders"), 0);
  PostMessageA(ControlHandle(101), BM_CLICK, 0, 0);
  ASSERT_TRUE(WaitForEvent(kEventControl));
  EXPECT_EQ(EventControl(), 101);
  EXPECT_EQ(EventWindow(), 30);
  EXPECT_EQ(EventType(), BN_CLICKED);
  PostMessageA(ControlHandle(102), BM_CLICK, 0, 0);
  ASSERT_TRUE(WaitForEvent(kEventControl));
  EXPECT_EQ(EventControl(), 102);
  // A later event without a control keeps the last control event's number.
  PostMessageA(WindowHandle(30), WM_USER + 7, 0, 0);
  ASSERT_TRUE(WaitForEvent(WM_USER + 7));
  EXPECT_EQ(EventWindow(), 30);
  EXPECT_EQ(EventControl(), 102);
}

TEST_F(Events, ControlsInsideContainersReportWithTopLevelWindow) {
  ASSERT_NE(ContainerCreate(110, 10, 10, 300, 200, 1), 0);
  ASSERT_NE(ContainerCreate(111, 5, 5, 200, 150, 8), 0);  // nested
  const intptr_t fresh = CheckBoxCreate(-1, 5, 5, 150, 20, "innen");
  ASSERT_GE(fresh, 0x10000);
  ControlListEnd();
  ASSERT_NE(ButtonCreate(112, 5, 170, 100, 24, "außen"), 0);
  ControlListEnd();
  EXPECT_EQ(GetParent(ControlHandle(112)), ControlHandle(110));
  EXPECT_EQ(GetParent(ControlHandle(static_cast<int>(fresh))), ControlHandle(111));

  PostMessageA(ControlHandle(static_cast<int>(fresh)), BM_CLICK, 0, 0);
  ASSERT_TRUE(WaitForEvent(kEventControl));
  // The fresh identifier does not fit 16 bits: the event still names it exactly.
  EXPECT_EQ(EventControl(), fresh);
  EXPECT_EQ(EventWindow(), 30);
  PostMessageA(ControlHandle(112), BM_CLICK, 0, 0);
  ASSERT_TRUE(WaitForEvent(kEventControl));
  EXPECT_EQ(EventControl(), 112);
  EXPECT_EQ(EventWindow(), 30);
}

TEST_F(Events, CallbackOfTopLevelSeesColourRequestsOfStaticsInContainers) {
  ASSERT_NE(ContainerCreate(113, 10, 10, 200, 100, 0), 0);
  ASSERT_NE(TextCreate(114, 5, 5, 150, 20, "farbig"), 0);
  ControlListEnd();
  WindowSetCallback(CountingCallback, 30);
  gColourRequestFrom = nullptr;
  InvalidateRect(ControlHandle(114), nullptr, TRUE);
  UpdateWindow(ControlHandle(114));
  EXPECT_EQ(gColourRequestFrom, ControlHandle(114));
  WindowSetCallback(nullptr, 30);
}

TEST_F(Events, CallbackAnswerReplacesTheLayersHandling) {
  WindowSetCallback(CountingCallback, 30);
  gCloseAnswer = 0;  // any value but the continue value is the message's result
  PostMessageA(WindowHandle(30), WM_SYSCOMMAND, SC_CLOSE, 0);
  EXPECT_EQ(EventWait(), WM_SYSCOMMAND);  // no close event was made
  gCloseAnswer = kCallbackContinue;
  PostMessageA(WindowHandle(30), WM_SYSCOMMAND, SC_CLOSE, 0);
  EXPECT_EQ(EventWait(), kEventCloseWindow);
  WindowSetCallback(nullptr, 30);
}

TEST_F(Events, CallbackForEveryWindowSkipsWindowsWithTheirOwn) {
  ASSERT_NE(WindowOpen(31, 0, 0, 50, 50, "zweites", WS_CAPTION, nullptr), 0);
  WindowSetCallback(CountingCallback, -1);
  gCallbackCalls = 0;
  gCallbackWindow = nullptr;
  SendMessageA(WindowHandle(31), WM_USER + 2, 0, 0);
  EXPECT_EQ(gCallbackCalls, 1);
  EXPECT_EQ(gCallbackWindow, WindowHandle(31));

  auto own = [](HWND, UINT message, WPARAM, LPARAM) -> LRESULT {
    return message == WM_USER + 3 ? 42 : kCallbackContinue;
  };
  WindowSetCallback(own, 31);
  gCallbackCalls = 0;
  EXPECT_EQ(SendMessageA(WindowHandle(31), WM_USER + 3, 0, 0), 42);
  EXPECT_EQ(gCallbackCalls, 0);
  WindowClose(31);
}

TEST_F(Events, MovesSizesAndActivationAreQueued) {
  MoveWindow(WindowHandle(30), 120, 110, 330, 250, TRUE);
  bool moved = false, sized = false;
  for (int i = 0; i < 10 && !(moved && sized); ++i) {
    PostMessageA(WindowHandle(30), WM_NULL, 0, 0);  // never let the wait block
    const int code = EventWait();
    moved = moved || code == kEventMoved;
    sized = sized || code == kEventSized;
  }
  EXPECT_TRUE(moved);
  EXPECT_TRUE(sized);
  ASSERT_NE(WindowOpen(32, 0, 0, 50, 50, "aktiv", WS_CAPTION, nullptr), 0);
  DrainEvents();
  SetActiveWindow(WindowHandle(30));
  ASSERT_TRUE(WaitForEvent(kEventActivated));
  EXPECT_EQ(EventWindow(), 30);
  WindowClose(32);
}

TEST_F(Events, TabAndShiftTabMoveFocusIntoAndOutOfContainers) {
  ASSERT_NE(ButtonCreate(120, 10, 10, 80, 24, "A"), 0);
  ASSERT_NE(ContainerCreate(121, 10, 40, 200, 60, 0), 0);
  ASSERT_NE(ButtonCreate(122, 5, 5, 80, 24, "B"), 0);
  ControlListEnd();
  ASSERT_NE(ButtonCreate(123, 10, 110, 80, 24, "C"), 0);
  SetFocus(ControlHandle(120));
  PostMessageA(ControlHandle(120), WM_KEYDOWN, VK_TAB, 0);
  EventWait();
  EXPECT_EQ(GetFocus(), ControlHandle(122));
  PostMessageA(ControlHandle(122), WM_KEYDOWN, VK_TAB, 0);
  EventWait();
  EXPECT_EQ(GetFocus(), ControlHandle(123));

  BYTE keys[256];
  GetKeyboardState(keys);
  keys[VK_SHIFT] |= 0x80;
  SetKeyboardState(keys);
  PostMessageA(ControlHandle(123), WM_KEYDOWN, VK_TAB, 0);
  EventWait();
  keys[VK_SHIFT] &= 0x7F;
  SetKeyboardState(keys);
  EXPECT_EQ(GetFocus(), ControlHandle(122));
}

TEST_F(Events, MessageWithoutEventReturnsItsOwnNumber) {
  PostMessageA(WindowHandle(30), WM_USER + 9, 0, 0);
  EXPECT_EQ(EventWait(), WM_USER + 9);
  EXPECT_EQ(EventWindow(), 30);
  PostThreadMessageA(GetCurrentThreadId(), WM_USER + 10, 0, 0);
  EXPECT_EQ(EventWait(), WM_USER + 10);
  EXPECT_EQ(EventWindow(), -1);
}

TEST_F(Events, LinkReleaseOverItGivesControlEvent) {
  ASSERT_NE(ContainerCreate(130, 0, 0, 300, 100, 0), 0);
  ASSERT_NE(LinkCreate(131, 4, 22, 80, 14, "setup     by QZ", RGB(255, 0, 0)), 0);
  ControlListEnd();
  const HWND link = ControlHandle(131);
  EXPECT_EQ(SendMessageA(link, WM_NCHITTEST, 0, MAKELPARAM(10, 30)), HTCLIENT);
  SendMessageA(link, WM_SETCURSOR, reinterpret_cast<WPARAM>(link), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
  EXPECT_EQ(GetCursor(), LoadCursor(nullptr, IDC_HAND));

  PostMessageA(link, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3));
  PostMessageA(link, WM_LBUTTONUP, 0, MAKELPARAM(3, 3));
  ASSERT_TRUE(WaitForEvent(kEventControl));
  EXPECT_EQ(EventControl(), 131);
  EXPECT_EQ(EventWindow(), 30);
  // Released outside the link: no click.
  PostMessageA(link, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3));
  PostMessageA(link, WM_LBUTTONUP, 0, MAKELPARAM(200, 60));
  EXPECT_FALSE(WaitForEvent(kEventControl, 400));
}
