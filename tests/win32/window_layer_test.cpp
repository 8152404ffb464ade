// Numbered images and controls where a refused or replaced object must not leave a stale one behind.
#include <gtest/gtest.h>

#include "platform/graphics.h"
#include "platform/window_services.h"

namespace {

class WindowLayer : public ::testing::Test {
protected:
  void SetUp() override {
    ASSERT_NE(WindowOpen(40, 50, 50, 482, 314, "Steuerelemente", WS_CAPTION | WS_SYSMENU, nullptr), 0);
    ASSERT_EQ(ControlListBegin(WindowHandle(40)), WindowHandle(40));
  }
  void TearDown() override {
    WindowClose(40);
    ImageFreeAll();
  }
};

// Pixels of the control that match the predicate.
template <typename Match>
int CountPixels(HWND control, Match match) {
  UpdateWindow(GetParent(control));
  UpdateWindow(control);
  RECT rect;
  GetClientRect(control, &rect);
  HDC dc = GetDC(control);
  int count = 0;
  for (int y = 0; y < rect.bottom; ++y)
    for (int x = 0; x < rect.right; ++x) count += match(GetPixel(dc, x, y));
  ReleaseDC(control, dc);
  return count;
}

}  // namespace

TEST_F(WindowLayer, RefusedImageCreationsLeaveTheirNumberEmpty) {
  using Create = HBITMAP (*)();
  const Create refused[] = {
      [] { return ImageLoadFromMemory(4, "BM damaged block", 16); },
      [] { return ImageCreate(4, 0, 2); },
      [] { return ImageCreate(4, 2, -1); },
      [] { return ImageCopy(9, 4); },  // no image 9
  };
  for (const Create create : refused) {
    ASSERT_NE(ImageCreate(4, 2, 2), nullptr);
    EXPECT_EQ(create(), nullptr);
    EXPECT_EQ(ImageExists(4), 0);
    EXPECT_EQ(ImageHandle(4), nullptr);
  }
}

TEST_F(WindowLayer, ReplacingTheCurrentContainerKeepsAParent) {
  ASSERT_NE(ContainerCreate(190, 0, 0, 200, 100, 0), 0);
  ASSERT_NE(ContainerCreate(191, 0, 0, 100, 50, 0), 0);
  // 190 is replaced while 191 inside it is the current parent: both leave the stack.
  ASSERT_NE(ContainerCreate(190, 10, 10, 200, 100, 0), 0);
  ASSERT_NE(TextCreate(192, 1, 1, 50, 10, "innen"), 0);
  EXPECT_EQ(GetParent(ControlHandle(192)), ControlHandle(190));
  ControlListEnd();
  ASSERT_NE(TextCreate(193, 1, 1, 50, 10, "außen"), 0);
  EXPECT_EQ(GetParent(ControlHandle(193)), WindowHandle(40));
}

TEST_F(WindowLayer, ImageControlKeepsTheAskedSizeAndLinkHoverColourIsCutTo24Bits) {
  HBITMAP bitmap = CreateBitmap(40, 50, 1, 32, nullptr);
  ASSERT_NE(ImageControlCreate(195, 10, 10, 20, 30, bitmap), 0);
  RECT rect{};
  GetClientRect(ControlHandle(195), &rect);
  EXPECT_EQ(rect.right, 20);
  EXPECT_EQ(rect.bottom, 30);
  // A high byte would make Windows read the colour as a palette index.
  ASSERT_NE(LinkCreate(196, 10, 60, 200, 30, "MMMMMMMM", RGB(255, 0, 0) | 0xFF000000u), 0);
  const HWND link = ControlHandle(196);
  SendMessageA(link, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
  auto red = [](COLORREF c) { return GetRValue(c) > 200 && GetGValue(c) < 60 && GetBValue(c) < 60; };
  EXPECT_GT(CountPixels(link, red), 5);
  WindowClose(40);
  DeleteObject(bitmap);
}
