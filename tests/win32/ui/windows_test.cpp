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
  DrainEvents();
  WindowClose(11);
  WindowClose(10);
  // The handle of a window that is not open is 0, so a window opened with it has no owner.
  ASSERT_NE(WindowOpen(11, 0, 0, 100, 80, "", kWindowCentreScreen, WindowHandle(10)), 0);
  EXPECT_EQ(GetWindow(WindowHandle(11), GW_OWNER), nullptr);
  WindowClose(11);
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
  EXPECT_EQ(ui::ClassOf(window), "WindowClass_21");
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
  EXPECT_EQ(ui::ClassOf(WindowHandle(number)), "WindowClass_" + std::to_string(number));
  EXPECT_EQ(WindowNumberOf(WindowHandle(number)), number);
  const intptr_t second = WindowOpen(-1, 0, 0, 40, 40, "frisch 2", 0, nullptr);
  EXPECT_NE(second, fresh);
  WindowClose(static_cast<int>(second));

  ASSERT_NE(WindowOpen(22, 0, 0, 40, 40, "alt", 0, nullptr), 0);
  const HWND old = WindowHandle(22);
  ASSERT_NE(WindowOpen(22, 0, 0, 40, 40, "neu", 0, nullptr), 0);
  EXPECT_FALSE(IsWindow(old));
  EXPECT_NE(WindowHandle(22), old);
  WindowClose(22);
  WindowClose(number);
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

namespace {
HHOOK gRefuseHook = nullptr;
// Refuses the creation of every top-level window, as Windows does when it runs out of resources.
LRESULT CALLBACK RefuseTopLevel(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HCBT_CREATEWND && !(reinterpret_cast<CBT_CREATEWNDA*>(lParam)->lpcs->style & WS_CHILD)) return 1;
  return CallNextHookEx(gRefuseHook, code, wParam, lParam);
}
}  // namespace

TEST(WindowOpen, RefusedWindowLeavesNoNumberAndNoClass) {
  ASSERT_NE(WindowOpen(29, 0, 0, 50, 50, "alt", 0, nullptr), 0);
  const HWND old = WindowHandle(29);
  gRefuseHook = SetWindowsHookExA(WH_CBT, RefuseTopLevel, nullptr, GetCurrentThreadId());
  ASSERT_NE(gRefuseHook, nullptr);
  const intptr_t result = WindowOpen(29, 0, 0, 50, 50, "neu", 0, nullptr);
  const intptr_t fresh = WindowOpen(-1, 0, 0, 50, 50, "frisch", 0, nullptr);
  UnhookWindowsHookEx(gRefuseHook);
  EXPECT_EQ(result, 0);
  EXPECT_EQ(fresh, 0);
  // The old window under that number was closed first; nothing is left under it.
  EXPECT_FALSE(IsWindow(old));
  EXPECT_EQ(WindowExists(29), 0);
  WNDCLASSA info{};
  EXPECT_FALSE(GetClassInfoA(GetModuleHandleA(nullptr), "WindowClass_29", &info));
  ASSERT_NE(WindowOpen(29, 0, 0, 50, 50, "wieder", 0, nullptr), 0);
  WindowClose(29);
}

TEST(WindowClose, BackgroundBrushSetByTheProgramSurvivesTheClass) {
  const HBRUSH brush = CreateSolidBrush(RGB(0, 153, 204));
  ASSERT_NE(WindowOpen(33, 0, 0, 50, 50, "Verlauf", 0, nullptr), 0);
  ASSERT_NE(WindowOpen(34, 0, 0, 50, 50, "Verlauf besessen", 0, WindowHandle(33)), 0);
  SetClassLongPtrA(WindowHandle(33), GCLP_HBRBACKGROUND, reinterpret_cast<LONG_PTR>(brush));
  SetClassLongPtrA(WindowHandle(34), GCLP_HBRBACKGROUND, reinterpret_cast<LONG_PTR>(brush));
  WindowClose(33);  // takes window 34 with it
  EXPECT_EQ(WindowExists(34), 0);
  EXPECT_EQ(GetObjectType(brush), static_cast<DWORD>(OBJ_BRUSH));
  EXPECT_TRUE(DeleteObject(brush));
}

TEST(WindowOpen, PositionLeftToWindowsStaysOnScreen) {
  for (const POINT asked : {POINT{kKeepValue, kKeepValue}, POINT{kKeepValue, 40}, POINT{50, kKeepValue}}) {
    ASSERT_NE(WindowOpen(35, asked.x, asked.y, 200, 100, "frei", WS_CAPTION, nullptr), 0);
    RECT rect;
    GetWindowRect(WindowHandle(35), &rect);
    EXPECT_GE(rect.left, 0);
    EXPECT_GE(rect.top, 0);
    EXPECT_LT(rect.left, GetSystemMetrics(SM_CXSCREEN));
    EXPECT_LT(rect.top, GetSystemMetrics(SM_CYSCREEN));
    WindowClose(35);
  }
}
