#include <gtest/gtest.h>

#include <random>

#include "platform/bitmap_decode.h"
#include "tests/support/bitmap_file.h"

namespace {

// The pixels, or nothing when the block is refused.
std::vector<uint32_t> Decode(const Bytes& file, uint32_t size) {
  BitmapPicture picture;
  if (!BitmapExamine(file.data(), size, &picture)) return {};
  std::vector<uint32_t> out(size_t(picture.width) * picture.height, 0xDEADBEEF);
  BitmapToPixels32(picture, out.data());
  return out;
}

std::vector<uint32_t> Decode(const Bytes& file) { return Decode(file, uint32_t(file.size())); }

}  // namespace

TEST(BitmapDecode, EveryStoredDepthAndOrderGivesTopRowFirst) {
  // 24 bits: rows of 9 bytes padded to 12, stored bottom-up.
  EXPECT_EQ(Decode(BitmapFile(3, 2, 24, {}, {{1, 2, 3, 4, 5, 6, 7, 8, 9}, {10, 11, 12, 13, 14, 15, 16, 17, 18}})),
            (std::vector<uint32_t>{0x0C0B0A, 0x0F0E0D, 0x121110, 0x030201, 0x060504, 0x090807}));
  EXPECT_EQ(Decode(BitmapFile(1, -2, 24, {}, {{0, 0, 0xFF}, {0xFF, 0, 0}})),
            (std::vector<uint32_t>{0xFF0000, 0x0000FF}));
  EXPECT_EQ(Decode(BitmapFile(10, 1, 1, {0x000000, 0xFFFFFF}, {{0xA5, 0x80}})),
            (std::vector<uint32_t>{0xFFFFFF, 0, 0xFFFFFF, 0, 0, 0xFFFFFF, 0, 0xFFFFFF, 0xFFFFFF, 0}));
  EXPECT_EQ(Decode(BitmapFile(3, 1, 4, {0x111111, 0x222222, 0x333333}, {{0x12, 0x00}})),
            (std::vector<uint32_t>{0x222222, 0x333333, 0x111111}));
  // Index 200 lies beyond the two-entry table: black.
  EXPECT_EQ(Decode(BitmapFile(2, 2, 8, {0x010203, 0xA0B0C0}, {{200, 0}, {1, 0}})),
            (std::vector<uint32_t>{0xA0B0C0, 0x010203, 0, 0x010203}));
  std::vector<uint32_t> full(256, 0);
  full[255] = 0xC0FFEE;
  EXPECT_EQ(Decode(BitmapFile(2, 1, 8, full, {{0, 255}}, 12)), (std::vector<uint32_t>{0, 0xC0FFEE}));
  // 16 bits: 5-5-5 by default (red 31, blue 16 of 31), or 5-6-5 by masks.
  EXPECT_EQ(Decode(BitmapFile(1, 1, 16, {}, {{0x10, 0x7C}})), (std::vector<uint32_t>{0xFF0084}));
  EXPECT_EQ(Decode(BitmapFile(1, 1, 16, {}, {{0x1F, 0xF8}}, 40, {0xF800, 0x07E0, 0x001F})),
            (std::vector<uint32_t>{0xFF00FF}));
  EXPECT_EQ(Decode(BitmapFile(1, 1, 32, {}, {{0x11, 0x22, 0x33, 0x99}})), (std::vector<uint32_t>{0x332211}));
  EXPECT_EQ(Decode(BitmapFile(1, 1, 32, {}, {{0x11, 0x22, 0x33, 0x44}}, 40, {0xFF, 0xFF00, 0xFF000000})),
            (std::vector<uint32_t>{0x112244}));
  // The version 5 header holds the masks itself.
  Bytes v5 = BitmapFile(1, 1, 32, {}, {{0x11, 0x22, 0x33, 0x44}}, 124);
  PutLittleEndian(v5, 30, 3);
  PutLittleEndian(v5, 54, 0xFF);
  PutLittleEndian(v5, 58, 0xFF00);
  PutLittleEndian(v5, 62, 0xFF0000);
  EXPECT_EQ(Decode(v5), (std::vector<uint32_t>{0x112233}));
}

TEST(BitmapDecode, BrokenHeadersAreRefused) {
  const Bytes good = BitmapFile(2, 2, 8, {0x123456, 0x654321}, {{0, 1}, {1, 0}});
  ASSERT_FALSE(Decode(good).empty());
  const struct {
    size_t at;
    uint32_t value;
  } damages[] = {
      {0, 0x4D41},       // "AM"
      {18, 0},           // width 0
      {18, uint32_t(-3)},
      {22, 0},           // height 0
      {22, 0x80000000u},
      {18, 40000},       // wider than sane
      {28, 7},           // no such depth
      {30, 1},           // run-length compressed
      {30, 3},           // masks on 8 bits
      {14, 39},          // unknown header size
      {14, 0xFFFFFFF0u},
      {10, 20},          // pixels inside the header
      {10, 0xFFFFFFF0u},
      {22, 3},           // one row more than stored
      {46, 0},           // a full table of 256 entries would run past the block
  };
  for (const auto& damage : damages) {
    Bytes b = good;
    PutLittleEndian(b, damage.at, damage.value, damage.at == 0 || damage.at == 28 ? 2 : 4);
    EXPECT_TRUE(Decode(b).empty()) << "offset " << damage.at << " value " << damage.value;
  }
  Bytes square = BitmapFile(1, 1, 24, {}, {{1, 2, 3}});
  PutLittleEndian(square, 18, 20000);
  PutLittleEndian(square, 22, 20000);  // each side sane, too many pixels
  EXPECT_TRUE(Decode(square).empty());
  EXPECT_TRUE(Decode(good, uint32_t(good.size()) - 1).empty());
}

TEST(BitmapDecode, UnknownSizeTrustsTheFileSizeField) {
  Bytes b = BitmapFile(2, 1, 24, {}, {{1, 2, 3, 4, 5, 6}});
  EXPECT_EQ(Decode(b, 0), (std::vector<uint32_t>{0x030201, 0x060504}));
  PutLittleEndian(b, 2, uint32_t(b.size() - 1));
  EXPECT_TRUE(Decode(b, 0).empty());
  PutLittleEndian(b, 2, 10);
  EXPECT_TRUE(Decode(b, 0).empty());
  BitmapPicture picture;
  EXPECT_FALSE(BitmapExamine(nullptr, 0, &picture));
  EXPECT_FALSE(BitmapExamine(b.data(), 17, &picture));
}

// Random damage to a valid file must never make the reader leave the block (checked under the sanitizers).
TEST(BitmapDecode, DamagedFilesNeverReadOutsideTheBlock) {
  const Bytes base = BitmapFile(5, 3, 4, {0x0000FF, 0x00FF00, 0xFF0000}, {{0x01, 0x23, 0x40}, {0x12, 0x30}, {0x21}});
  std::mt19937 random(7);
  int accepted = 0;
  for (int round = 0; round < 20000; ++round) {
    Bytes b = base;
    for (int i = 1 + int(random() % 4); i > 0; --i) b[2 + random() % 60] = static_cast<unsigned char>(random());
    if (!Decode(b).empty()) ++accepted;
  }
  EXPECT_GT(accepted, 0);
}
