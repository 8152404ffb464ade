#include <gtest/gtest.h>
#include <windows.h>

#include "pixels.h"
#include "platform/graphics.h"

namespace {

class Drawing : public ::testing::Test {
protected:
  void TearDown() override {
    DrawEnd();
    ImageFreeAll();
    FontFreeAll();
  }
};

constexpr uint32_t kRed = 0x0000FF;
constexpr uint32_t kBlue = 0xFF0000;
constexpr uint32_t kWhite = 0xFFFFFF;

// A 32-bit image loaded from memory, all black.
HBITMAP LoadedBlack(int number, int width, int height) {
  const Bytes file = BitmapFile(width, height, 24, {}, std::vector<Bytes>(height, Bytes(size_t(width) * 3, 0)));
  return ImageLoadFromMemory(number, file.data());
}

}  // namespace

TEST_F(Drawing, InvalidTargetsGiveNoDrawingAndDrawingThenDoesNothing) {
  EXPECT_EQ(DrawBegin(ImageDrawTarget(3)), nullptr);
  HDC screen = GetDC(nullptr);
  HBITMAP stranger = CreateCompatibleBitmap(screen, 2, 2);  // a bitmap, but no numbered image
  ReleaseDC(nullptr, screen);
  EXPECT_EQ(DrawBegin(reinterpret_cast<intptr_t>(stranger)), nullptr);
  DeleteObject(stranger);
  DrawBox(0, 0, 5, 5, kRed);
  DrawFont(-1);
  EXPECT_EQ(DrawTextAt(7, 0, "text", kRed), 7);
}

TEST_F(Drawing, ASecondBeginEndsTheFirstAndStartsWithOpaqueCopying) {
  ASSERT_NE(ImageCreate(0, 8, 8), nullptr);
  ASSERT_NE(ImageCreate(1, 8, 8), nullptr);
  ASSERT_NE(DrawBegin(ImageDrawTarget(0)), nullptr);
  DrawMode(1 | 2);
  HDC second = DrawBegin(ImageDrawTarget(1));
  ASSERT_NE(second, nullptr);
  EXPECT_EQ(GetBkMode(second), OPAQUE);
  EXPECT_EQ(GetROP2(second), R2_COPYPEN);
  EXPECT_EQ(GetTextAlign(second) & TA_UPDATECP, UINT(TA_UPDATECP));
  DrawEnd();
  // Neither bitmap is left selected into a context, where it could not be deleted.
  HBITMAP zero = ImageHandle(0), one = ImageHandle(1);
  ImageFreeAll();
  EXPECT_EQ(GetObjectType(zero), 0u);
  EXPECT_EQ(GetObjectType(one), 0u);
}

TEST_F(Drawing, BoxesFillOutlineAndCombineByExclusiveOr) {
  ASSERT_NE(ImageCreate(0, 5, 5), nullptr);
  ASSERT_NE(LoadedBlack(1, 6, 5), nullptr);
  ASSERT_NE(DrawBegin(ImageDrawTarget(0)), nullptr);
  DrawBox(2, 3, 1, 1, kRed);
  DrawEnd();
  std::vector<uint32_t> pixels = PixelsOf(ImageHandle(0));
  EXPECT_EQ(pixels[3 * 5 + 2], AsPixel(kRed));
  EXPECT_EQ(CountOf(pixels, 0), 24);  // exactly one pixel set

  ASSERT_NE(DrawBegin(ImageDrawTarget(1)), nullptr);
  DrawMode(4);
  DrawBox(5, 4, -4, -3, kBlue);  // a 4 × 3 outline given from its far corner
  DrawEnd();
  pixels = PixelsOf(ImageHandle(1));
  EXPECT_EQ(CountOf(pixels, AsPixel(kBlue)), 10);
  EXPECT_EQ(pixels[2 * 6 + 2], 0u);
  EXPECT_EQ(pixels[2 * 6 + 3], 0u);

  // Exclusive-or outlines touch each border pixel once, corners too; a box drawn twice restores the image.
  ASSERT_NE(DrawBegin(ImageDrawTarget(1)), nullptr);
  DrawMode(2 | 4);
  DrawBox(1, 1, 4, 3, kWhite);
  DrawMode(2);
  DrawBox(0, 0, 6, 5, kRed);
  DrawBox(0, 0, 6, 5, kRed);
  DrawEnd();
  pixels = PixelsOf(ImageHandle(1));
  EXPECT_EQ(CountOf(pixels, AsPixel(kBlue) ^ 0xFFFFFF), 10);
  EXPECT_EQ(CountOf(pixels, 0), 20);
}

TEST_F(Drawing, TextAtReturnsWhereTheTextEndedAndFollowsTheFont) {
  ASSERT_NE(ImageCreate(0, 400, 60), nullptr);
  HDC dc = DrawBegin(ImageDrawTarget(0));
  ASSERT_NE(dc, nullptr);
  const int shortEnd = DrawTextAt(10, 0, "Wi", kWhite);
  const int longEnd = DrawTextAt(10, 0, "Willkommen", kWhite);
  EXPECT_GT(shortEnd, 10);
  SIZE extent;
  ASSERT_TRUE(GetTextExtentPoint32A(dc, "Willkommen", 10, &extent));
  EXPECT_EQ(longEnd, 10 + extent.cx);
  EXPECT_EQ(DrawTextAt(25, 0, "", kWhite), 25);

  const intptr_t big = FontLoad(0, "Arial", 30, kFontBold);
  DrawFont(big);
  EXPECT_GT(DrawTextAt(10, 0, "Willkommen", kWhite), longEnd);
  // Replacing the font in use deletes it; the drawing goes back to the system font.
  ASSERT_NE(FontLoad(0, "Arial", 8, 0), 0);
  EXPECT_EQ(GetObjectType(reinterpret_cast<HGDIOBJ>(big)), 0u);
  EXPECT_EQ(DrawTextAt(10, 0, "Willkommen", kWhite), longEnd);
  DrawFont(12345);  // not a font: ignored
  EXPECT_EQ(DrawTextAt(10, 0, "Willkommen", kWhite), longEnd);
}

TEST_F(Drawing, TransparentTextLeavesTheBackgroundPixels) {
  const uint32_t background = 0x804020;
  auto textOn = [&](int mode) {
    ImageCreate(0, 80, 30);
    DrawBegin(ImageDrawTarget(0));
    DrawBox(0, 0, 80, 30, background);
    DrawMode(mode);
    DrawTextAt(2, 2, "Wg", 0x000000);
    DrawEnd();
    return PixelsOf(ImageHandle(0));
  };
  EXPECT_GT(CountOf(textOn(0), AsPixel(kWhite)), 0);  // the opaque text cell is white
  const std::vector<uint32_t> transparent = textOn(1);
  EXPECT_EQ(CountOf(transparent, AsPixel(kWhite)), 0);
  EXPECT_GT(CountOf(transparent, 0), 0);
  EXPECT_GT(CountOf(transparent, AsPixel(background)), 80 * 30 / 2);
}

TEST_F(Drawing, ReplacingOrResizingTheImageBeingDrawnEndsTheDrawing) {
  ASSERT_NE(ImageCreate(0, 4, 4), nullptr);
  HBITMAP old = ImageHandle(0);
  ASSERT_NE(DrawBegin(ImageDrawTarget(0)), nullptr);
  ASSERT_NE(ImageCreate(0, 4, 4), nullptr);
  EXPECT_EQ(GetObjectType(old), 0u);  // really deleted, not stuck in the drawing's context
  DrawBox(0, 0, 4, 4, kRed);
  EXPECT_EQ(PixelsOf(ImageHandle(0)), std::vector<uint32_t>(16, 0));

  ASSERT_NE(DrawBegin(ImageDrawTarget(0)), nullptr);
  DrawBox(0, 0, 4, 4, kRed);
  ASSERT_NE(ImageResize(0, 2, 2), 0);  // reads the pixels through the drawing
  DrawBox(0, 0, 2, 2, kBlue);
  EXPECT_EQ(PixelsOf(ImageHandle(0)), std::vector<uint32_t>(4, AsPixel(kRed)));
}
