#include <gtest/gtest.h>
#include <windows.h>

// Proves the Win32 tier really runs under a Windows API: a window of a registered class is created and found.
TEST(Smoke, RealWindowIsCreatedAndFound) {
  WNDCLASSA wc{};
  wc.lpfnWndProc = DefWindowProcA;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.lpszClassName = "SmokeClass";
  ASSERT_NE(RegisterClassA(&wc), 0);
  HWND w = CreateWindowA("SmokeClass", "smoke \xE4", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100, nullptr, nullptr,
                         wc.hInstance, nullptr);
  ASSERT_NE(w, nullptr);
  EXPECT_EQ(FindWindowA("SmokeClass", "smoke \xE4"), w);
  DestroyWindow(w);
}
