// The bitmap reader behind the setup picture: what it reads, and the damaged blocks it refuses.
#include <gtest/gtest.h>

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

TEST(BitmapDecode, ReadsTopRowFirst) {
  EXPECT_EQ(Decode(BitmapFile(3, 2, 24, {}, {{1, 2, 3, 4, 5, 6, 7, 8, 9}, {10, 11, 12, 13, 14, 15, 16, 17, 18}})),
            (std::vector<uint32_t>{0x0C0B0A, 0x0F0E0D, 0x121110, 0x030201, 0x060504, 0x090807}));
  EXPECT_EQ(Decode(BitmapFile(1, -2, 24, {}, {{0, 0, 0xFF}, {0xFF, 0, 0}})), (std::vector<uint32_t>{0xFF0000, 0xFF}));
  // Index 200 lies beyond the two-entry table: black.
  EXPECT_EQ(Decode(BitmapFile(2, 2, 8, {0x010203, 0xA0B0C0}, {{200, 0}, {1, 0}})),
            (std::vector<uint32_t>{0xA0B0C0, 0x010203, 0, 0x010203}));
  EXPECT_EQ(Decode(BitmapFile(1, 1, 16, {}, {{0x1F, 0xF8}}, 40, {0xF800, 0x07E0, 0x001F})),
            (std::vector<uint32_t>{0xFF00FF}));
}

TEST(BitmapDecode, DamagedBlocksAreRefused) {
  const Bytes good = BitmapFile(2, 2, 8, {0x123456, 0x654321}, {{0, 1}, {1, 0}});
  ASSERT_FALSE(Decode(good).empty());
  const struct {
    size_t at;
    uint32_t value;
  } damages[] = {
      {0, 0x4D41},  // "AM"
      {18, 0},      // width 0
      {18, uint32_t(-3)},
      {22, 0x80000000u},
      {18, 40000},  // wider than sane
      {28, 7},      // no such depth
      {30, 1},      // run-length compressed
      {14, 0xFFFFFFF0u},  // header size
      {10, 20},           // pixels inside the header
      {10, 0xFFFFFFF0u},
      {22, 3},  // one row more than stored
      {46, 0},  // a full table of 256 entries would run past the block
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
  // Without a block size the file's own size field bounds every read.
  Bytes sized = good;
  PutLittleEndian(sized, 2, uint32_t(sized.size() - 1));
  EXPECT_TRUE(Decode(sized, 0).empty());
  EXPECT_EQ(Decode(good, 0), Decode(good));
}
