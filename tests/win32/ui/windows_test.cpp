// Windows of the layer, opened for real: styles, owner, size, position, classes, numbers.
#include <gtest/gtest.h>

#include <string>

#include "platform/window_services.h"
#include "ui_support.h"

namespace {
RECT OuterRect(HWND window) {
  RECT rect{};
  GetWindowRect(window, &rect);
  return rect;
}
SIZE ClientSize(HWND window) {
  RECT rect{};
  GetClientRect(window, &rect);
  return {rect.right, rect.bottom};
}
}  // namespace

TEST(WindowOpen, CentredOnScreenOwnedByParentWithCaptionOnly) {
  ASSERT_NE(WindowOpen(10, 50, 60, 400, 300, "Eltern", WS_CAPTION | WS_SYSMENU, nullptr), 0);
  const HWND parent = WindowHandle(10);
  const intptr_t result = WindowOpen(11, 0, 0, 300, 284, "Fortschritt ...", kWindowCentreScreen, parent);
  const HWND window = WindowHandle(11);
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(result, reinterpret_cast<intptr_t>(window));
  EXPECT_EQ(GetWindow(window, GW_OWNER), parent);
  EXPECT_TRUE(IsWindowVisible(window));
  const DWORD style = StyleOf(window);
  EXPECT_EQ(style & WS_CAPTION, static_cast<DWORD>(WS_CAPTION));
  EXPECT_EQ(style & (WS_SYSMENU | WS_CHILD | WS_THICKFRAME), 0u);
  EXPECT_EQ(ClientSize(window).cx, 300);
  EXPECT_EQ(ClientSize(window).cy, 284);
  EXPECT_EQ(WindowInnerWidth(11), 300);
  EXPECT_EQ(WindowInnerHeight(11), 284);
  // Centred on the screen, not on the parent at 50, 60.
  const RECT outer = OuterRect(window);
  EXPECT_EQ(outer.left, (GetSystemMetrics(SM_CXSCREEN) - (outer.right - outer.left)) / 2);
  EXPECT_EQ(outer.top, (GetSystemMetrics(SM_CYSCREEN) - (outer.bottom - outer.top)) / 2);
  char title[64] = {};
  GetWindowTextA(window, title, sizeof title);
  EXPECT_STREQ(title, "Fortschritt ...");
  SaveScreenshot("window_centred");
  WindowClose(11);
  WindowClose(10);
}

TEST(WindowOpen, ParentThatIsNotOpenGivesNoOwner) {
  WindowClose(12);
  ASSERT_EQ(WindowHandle(12), nullptr);
  ASSERT_NE(WindowOpen(13, 0, 0, 100, 80, "", kWindowCentreScreen, WindowHandle(12)), 0);
  EXPECT_EQ(GetWindow(WindowHandle(13), GW_OWNER), nullptr);
  WindowClose(13);
}

TEST(WindowOpen, HiddenBitAloneGivesHiddenWindowWithCaption) {
  ASSERT_NE(WindowOpen(14, 10, 10, 10, 10, "", kWindowHidden, nullptr), 0);
  const HWND window = WindowHandle(14);
  EXPECT_FALSE(IsWindowVisible(window));
  EXPECT_EQ(StyleOf(window) & WS_CAPTION, static_cast<DWORD>(WS_CAPTION));
  EXPECT_EQ(StyleOf(window) & WS_SYSMENU, 0u);
  WindowHide(14, 0);
  EXPECT_TRUE(IsWindowVisible(window));
  WindowHide(14, 1);
  EXPECT_FALSE(IsWindowVisible(window));
  WindowClose(14);
}

TEST(WindowOpen, ExplicitStylesAreKeptAndPositionIsTheOuterCorner) {
  ASSERT_NE(WindowOpen(15, 30, 40, 200, 100, "Stil", WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX, nullptr), 0);
  const HWND window = WindowHandle(15);
  EXPECT_EQ(StyleOf(window) & (WS_SYSMENU | WS_MINIMIZEBOX), static_cast<DWORD>(WS_SYSMENU | WS_MINIMIZEBOX));
  EXPECT_EQ(OuterRect(window).left, 30);
  EXPECT_EQ(OuterRect(window).top, 40);
  EXPECT_EQ(ClientSize(window).cx, 200);
  EXPECT_EQ(ClientSize(window).cy, 100);
  WindowClose(15);
}

TEST(WindowOpen, CentredOverParentOrActiveWindowNeverBelowZero) {
  ASSERT_NE(WindowOpen(16, 200, 150, 300, 200, "Eltern", WS_CAPTION, nullptr), 0);
  const HWND parent = WindowHandle(16);
  ASSERT_NE(WindowOpen(17, 0, 0, 200, 80, "Kind", kWindowCentreParent, parent), 0);
  const RECT p = OuterRect(parent);
  const RECT c = OuterRect(WindowHandle(17));
  EXPECT_EQ(c.left, p.left + ((p.right - p.left) - (c.right - c.left)) / 2);
  EXPECT_EQ(c.top, p.top + ((p.bottom - p.top) - (c.bottom - c.top)) / 2);
  WindowClose(17);

  // Without a parent the active window is the reference.
  SetActiveWindow(parent);
  ASSERT_EQ(GetActiveWindow(), parent);
  ASSERT_NE(WindowOpen(17, 0, 0, 200, 80, "Kind", kWindowCentreParent, nullptr), 0);
  EXPECT_EQ(GetWindow(WindowHandle(17), GW_OWNER), nullptr);
  EXPECT_EQ(OuterRect(WindowHandle(17)).left, c.left);
  WindowClose(17);

  // A window larger than a parent in the corner is kept on the screen.
  ASSERT_NE(WindowOpen(18, 0, 0, 150, 30, "Klein", WS_CAPTION, nullptr), 0);
  ASSERT_NE(WindowOpen(19, 0, 0, 500, 400, "Groß", kWindowCentreParent, WindowHandle(18)), 0);
  EXPECT_EQ(OuterRect(WindowHandle(19)).left, 0);
  EXPECT_EQ(OuterRect(WindowHandle(19)).top, 0);
  WindowClose(19);
  WindowClose(18);
  WindowClose(16);
}

TEST(WindowOpen, MaximisedStartAndShowingAgainKeepsItMaximised) {
  ASSERT_NE(WindowOpen(20, 0, 0, 100, 100, "SETUP", 0x1C80000, nullptr), 0);
  const HWND window = WindowHandle(20);
  EXPECT_TRUE(IsZoomed(window));
  EXPECT_TRUE(IsWindowVisible(window));
  EXPECT_GT(WindowInnerWidth(20), 100);
  WindowHide(20, 1);
  EXPECT_FALSE(IsWindowVisible(window));
  WindowHide(20, 0);
  EXPECT_TRUE(IsWindowVisible(window));
  EXPECT_TRUE(IsZoomed(window));
  WindowClose(20);
}

TEST(WindowOpen, EachWindowHasItsOwnClassUnregisteredOnClose) {
  ASSERT_NE(WindowOpen(21, 0, 0, 50, 50, "", 0, nullptr), 0);
  const HWND window = WindowHandle(21);
  EXPECT_EQ(ClassOf(window), "WindowClass_21");
  WNDCLASSA info{};
  ASSERT_TRUE(GetClassInfoA(GetModuleHandleA(nullptr), "WindowClass_21", &info));
  EXPECT_EQ(info.style & CS_DBLCLKS, static_cast<UINT>(CS_DBLCLKS));
  EXPECT_EQ(info.hbrBackground, reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
  EXPECT_EQ(info.hCursor, LoadCursor(nullptr, IDC_ARROW));
  WindowClose(21);
  EXPECT_FALSE(IsWindow(window));
  EXPECT_FALSE(GetClassInfoA(GetModuleHandleA(nullptr), "WindowClass_21", &info));
  EXPECT_EQ(WindowExists(21), 0);
  EXPECT_EQ(WindowHandle(21), nullptr);
  // The number can be used again.
  ASSERT_NE(WindowOpen(21, 0, 0, 50, 50, "", 0, nullptr), 0);
  EXPECT_NE(WindowExists(21), 0);
  WindowClose(21);
}

TEST(WindowOpen, FreshNumberAndReplacementOfAnOpenNumber) {
  const intptr_t fresh = WindowOpen(-1, 0, 0, 40, 40, "frisch", 0, nullptr);
  ASSERT_GE(fresh, 0x10000);
  const int number = static_cast<int>(fresh);
  ASSERT_NE(WindowHandle(number), nullptr);
  EXPECT_EQ(ClassOf(WindowHandle(number)), "WindowClass_" + std::to_string(number));
  EXPECT_EQ(WindowNumberOf(WindowHandle(number)), number);
  const intptr_t second = WindowOpen(-1, 0, 0, 40, 40, "frisch 2", 0, nullptr);
  EXPECT_NE(second, fresh);
  WindowClose(static_cast<int>(second));

  ASSERT_NE(WindowOpen(22, 0, 0, 40, 40, "alt", 0, nullptr), 0);
  const HWND old = WindowHandle(22);
  ASSERT_NE(WindowOpen(22, 0, 0, 40, 40, "neu", 0, nullptr), 0);
  EXPECT_FALSE(IsWindow(old));
  EXPECT_NE(WindowHandle(22), old);
  char title[16] = {};
  GetWindowTextA(WindowHandle(22), title, sizeof title);
  EXPECT_STREQ(title, "neu");
  WindowClose(22);
  WindowClose(number);
}

TEST(WindowOpen, OperationsOnAbsentNumbersDoNothing) {
  WindowClose(23);
  EXPECT_EQ(WindowExists(23), 0);
  EXPECT_EQ(WindowInnerWidth(23), 0);
  EXPECT_EQ(WindowInnerHeight(23), 0);
  WindowHide(23, 0);
  WindowKeepOnTop(23, 1);
  WindowClose(23);
  EXPECT_EQ(WindowNumberOf(nullptr), -1);
  EXPECT_EQ(WindowNumberOf(GetDesktopWindow()), -1);
}

TEST(WindowClose, ClosingTheOwnerForgetsTheOwnedWindowToo) {
  ASSERT_NE(WindowOpen(24, 0, 0, 200, 200, "Besitzer", WS_CAPTION, nullptr), 0);
  ASSERT_NE(WindowOpen(25, 0, 0, 100, 100, "Besessen", kWindowCentreParent, WindowHandle(24)), 0);
  const HWND owned = WindowHandle(25);
  WindowClose(24);
  EXPECT_FALSE(IsWindow(owned));
  EXPECT_EQ(WindowExists(25), 0);
  WNDCLASSA info{};
  EXPECT_FALSE(GetClassInfoA(GetModuleHandleA(nullptr), "WindowClass_25", &info));
}

TEST(WindowClose, OwnerIsActivatedFirst) {
  ASSERT_NE(WindowOpen(26, 0, 0, 200, 200, "Besitzer", WS_CAPTION, nullptr), 0);
  ASSERT_NE(WindowOpen(27, 0, 0, 100, 100, "Dialog", kWindowCentreParent, WindowHandle(26)), 0);
  ASSERT_EQ(GetActiveWindow(), WindowHandle(27));
  WindowClose(27);
  EXPECT_EQ(GetActiveWindow(), WindowHandle(26));
  // Hiding an owned window hands the activation back as well.
  ASSERT_NE(WindowOpen(27, 0, 0, 100, 100, "Dialog", kWindowCentreParent, WindowHandle(26)), 0);
  ASSERT_EQ(GetActiveWindow(), WindowHandle(27));
  WindowHide(27, 1);
  EXPECT_EQ(GetActiveWindow(), WindowHandle(26));
  WindowClose(27);
  WindowClose(26);
}

TEST(WindowKeepOnTop, TogglesTopmostWithoutMoving) {
  ASSERT_NE(WindowOpen(28, 70, 80, 100, 100, "oben", WS_CAPTION, nullptr), 0);
  const HWND window = WindowHandle(28);
  WindowKeepOnTop(28, 1);
  EXPECT_NE(ExStyleOf(window) & WS_EX_TOPMOST, 0u);
  EXPECT_EQ(OuterRect(window).left, 70);
  EXPECT_EQ(OuterRect(window).top, 80);
  WindowKeepOnTop(28, 0);
  EXPECT_EQ(ExStyleOf(window) & WS_EX_TOPMOST, 0u);
  WindowClose(28);
}
