#include <gtest/gtest.h>
#include <windows.h>

#include "payload/payload_blocks.h"
#include "pixels.h"
#include "platform/graphics.h"

namespace {

class Images : public ::testing::Test {
protected:
  void TearDown() override {
    DrawEnd();
    ImageFreeAll();
  }
};

uint32_t Read32(const unsigned char* p) { return p[0] | p[1] << 8 | p[2] << 16 | uint32_t(p[3]) << 24; }

SIZE SizeOfImage(int number) {
  BITMAP info{};
  GetObjectA(ImageHandle(number), sizeof info, &info);
  return {info.bmWidth, info.bmHeight};
}

bool IsDibSection32(HBITMAP bitmap) {
  DIBSECTION section{};
  return GetObjectA(bitmap, sizeof section, &section) == int(sizeof section) && section.dsBm.bmBitsPixel == 32;
}

}  // namespace

TEST_F(Images, SetupPictureLoadsWithTheColoursOfItsPaletteAndPixels) {
  const PayloadBlock block = PayloadGet(PayloadId::SetupPicture);
  ASSERT_NE(block.bytes, nullptr);
  // The expected colours straight from the file: an 8-bit bottom-up picture with its colour table.
  const unsigned char* file = block.bytes;
  ASSERT_EQ(file[28], 8);
  ASSERT_EQ(Read32(file + 18), 110u);
  ASSERT_EQ(Read32(file + 22), 300u);
  const unsigned char* table = file + 14 + Read32(file + 14);
  const unsigned char* stored = file + Read32(file + 10);
  std::vector<uint32_t> expected;
  for (int y = 299; y >= 0; --y)
    for (int x = 0; x < 110; ++x) expected.push_back(Read32(table + 4 * stored[y * 112 + x]) & 0xFFFFFF);

  HBITMAP bitmap = ImageLoadFromMemory(1, file);  // as the installer calls it, without a size
  ASSERT_NE(bitmap, nullptr);
  EXPECT_EQ(SizeOfImage(1).cx, 110);
  EXPECT_EQ(SizeOfImage(1).cy, 300);
  EXPECT_TRUE(IsDibSection32(bitmap));
  const std::vector<uint32_t> pixels = PixelsOf(bitmap);
  EXPECT_TRUE(pixels == expected);
  // The colours its generator promises: gradient corners, the emblem's disc and ring.
  ASSERT_EQ(pixels.size(), expected.size());
  EXPECT_EQ(pixels[0], 0x102060u);
  EXPECT_EQ(pixels[109], 0x102060u);
  EXPECT_EQ(pixels[299 * 110], 0x60A0E0u);
  EXPECT_EQ(pixels[92 * 110 + 55], 0x0A143Cu);
  EXPECT_EQ(pixels[58 * 110 + 55], 0xFFFFFFu);
}

TEST_F(Images, CraftedPicturesLoadAndBrokenOnesGiveZero) {
  const Bytes bottomUp = BitmapFile(3, 2, 24, {}, {{0, 0, 255, 0, 255, 0, 255, 0, 0}, {1, 2, 3, 4, 5, 6, 7, 8, 9}});
  HBITMAP bitmap = ImageLoadFromMemory(3, bottomUp.data(), uint32_t(bottomUp.size()));
  ASSERT_NE(bitmap, nullptr);
  EXPECT_EQ(ImageHandle(3), bitmap);
  EXPECT_TRUE(IsDibSection32(bitmap));
  EXPECT_EQ(PixelsOf(bitmap), (std::vector<uint32_t>{0x030201, 0x060504, 0x090807, 0xFF0000, 0x00FF00, 0x0000FF}));
  // Loading under a taken number replaces the image and deletes the old bitmap.
  const Bytes topDown = BitmapFile(2, -2, 8, {0x102030, 0x405060, 0x708090}, {{2, 1}, {0, 2}});
  ASSERT_NE(ImageLoadFromMemory(3, topDown.data()), nullptr);
  EXPECT_EQ(GetObjectType(bitmap), 0u);
  EXPECT_EQ(PixelsOf(ImageHandle(3)), (std::vector<uint32_t>{0x708090, 0x405060, 0x102030, 0x708090}));

  EXPECT_EQ(ImageLoadFromMemory(7, bottomUp.data(), uint32_t(bottomUp.size() - 1)), nullptr);
  EXPECT_EQ(ImageLoadFromMemory(7, "GIF89a............"), nullptr);
  EXPECT_EQ(ImageLoadFromMemory(7, nullptr), nullptr);
  EXPECT_EQ(ImageExists(7), 0);
}

TEST_F(Images, CreateMakesABlackDisplayFormatImage) {
  HBITMAP bitmap = ImageCreate(0, 4, 3);
  ASSERT_NE(bitmap, nullptr);
  BITMAP info{};
  ASSERT_TRUE(GetObjectA(bitmap, sizeof info, &info));
  HDC screen = GetDC(nullptr);
  EXPECT_EQ(info.bmBitsPixel, GetDeviceCaps(screen, BITSPIXEL));
  ReleaseDC(nullptr, screen);
  EXPECT_EQ(PixelsOf(bitmap), std::vector<uint32_t>(12, 0));
  EXPECT_EQ(ImageCreate(1, 0, 5), nullptr);
  EXPECT_EQ(ImageExists(1), 0);
  const intptr_t fresh = reinterpret_cast<intptr_t>(ImageCreate(-1, 2, 2));
  EXPECT_GE(fresh, 0x10000);
  EXPECT_EQ(SizeOfImage(int(fresh)).cx, 2);
  ImageFreeAll();
  EXPECT_EQ(ImageExists(int(fresh)), 0);
  EXPECT_EQ(GetObjectType(bitmap), 0u);
}

TEST_F(Images, ResizeKeepsAnImageOfThatSizeAndStretchesOthersInTheirFormat) {
  const Bytes file = BitmapFile(3, 2, 24, {}, {{9, 8, 7, 6, 5, 4, 3, 2, 1}, {1, 2, 3, 4, 5, 6, 7, 8, 9}});
  HBITMAP loaded = ImageLoadFromMemory(1, file.data());
  ASSERT_NE(loaded, nullptr);
  const std::vector<uint32_t> before = PixelsOf(loaded);
  EXPECT_NE(ImageResize(1, 3, 2), 0);
  EXPECT_EQ(ImageHandle(1), loaded);
  EXPECT_EQ(PixelsOf(loaded), before);

  ASSERT_NE(DrawBegin(ImageDrawTarget(1)), nullptr);
  DrawBox(0, 0, 3, 2, 0xC09030);
  DrawEnd();
  ASSERT_NE(ImageResize(1, 110, 300), 0);
  EXPECT_EQ(SizeOfImage(1).cx, 110);
  EXPECT_EQ(SizeOfImage(1).cy, 300);
  EXPECT_EQ(GetObjectType(loaded), 0u);
  EXPECT_TRUE(IsDibSection32(ImageHandle(1)));
  const uint32_t middle = PixelsOf(ImageHandle(1))[150 * 110 + 55];  // one colour stays that colour, nearly
  for (int shift : {0, 8, 16}) EXPECT_NEAR(int(middle >> shift & 0xFF), int(AsPixel(0xC09030) >> shift & 0xFF), 2);

  ASSERT_NE(ImageCreate(2, 8, 8), nullptr);
  ASSERT_NE(ImageResize(2, 4, 16), 0);
  EXPECT_EQ(SizeOfImage(2).cy, 16);
  EXPECT_FALSE(IsDibSection32(ImageHandle(2)));
  EXPECT_EQ(ImageResize(2, 0, 16), 0);
  EXPECT_EQ(ImageResize(9, 4, 4), 0);
}

TEST_F(Images, CopyIsIndependentAndMayReplaceItsSource) {
  const Bytes file = BitmapFile(2, 1, 24, {}, {{1, 2, 3, 4, 5, 6}});
  ASSERT_NE(ImageLoadFromMemory(1, file.data()), nullptr);
  const std::vector<uint32_t> original = PixelsOf(ImageHandle(1));
  HBITMAP copy = ImageCopy(1, 2);
  ASSERT_NE(copy, nullptr);
  EXPECT_NE(copy, ImageHandle(1));
  ASSERT_NE(DrawBegin(ImageDrawTarget(2)), nullptr);
  DrawBox(0, 0, 2, 1, 0x00FF00);
  DrawEnd();
  EXPECT_EQ(PixelsOf(ImageHandle(1)), original);
  EXPECT_EQ(PixelsOf(copy), (std::vector<uint32_t>{0x00FF00, 0x00FF00}));

  ASSERT_NE(ImageCopy(1, 1), nullptr);  // onto its own number
  EXPECT_EQ(PixelsOf(ImageHandle(1)), original);

  // The image being drawn on is read through the drawing.
  ASSERT_NE(DrawBegin(ImageDrawTarget(1)), nullptr);
  DrawBox(1, 0, 1, 1, 0x0000FF);
  const intptr_t fresh = reinterpret_cast<intptr_t>(ImageCopy(1, -1));
  DrawEnd();
  ASSERT_GE(fresh, 0x10000);
  EXPECT_EQ(PixelsOf(ImageHandle(int(fresh))), (std::vector<uint32_t>{0x030201, AsPixel(0x0000FF)}));
  EXPECT_EQ(ImageCopy(5, 6), nullptr);
}

TEST_F(Images, RefusedCreationsLeaveTheirNumberEmpty) {
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
