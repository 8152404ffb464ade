// The bitmap reader behind the setup picture: what it reads, and the damaged blocks it refuses.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/bitmap_decode.h"

namespace {

using Bytes = std::vector<unsigned char>;

Bytes FromHex(const std::string& hex) {
  Bytes bytes;
  for (size_t i = 0; i + 1 < hex.size(); i += 2) bytes.push_back(static_cast<unsigned char>(std::stoi(hex.substr(i, 2), nullptr, 16)));
  return bytes;
}

void Put(Bytes& bytes, size_t at, uint32_t value, int count) {
  for (int i = 0; i < count; ++i) bytes[at + i] = static_cast<unsigned char>(value >> (8 * i));
}

// Two by two pixels of 8 bits with a two-entry colour table, stored bottom row first; one pixel of 24 bits.
const Bytes kGood = FromHex(
    "424d46000000000000003e000000280000000200000002000000010008000000000000"
    "0000000000000000000000020000000000000056341200214365000001000001000000");
const Bytes kOnePixel = FromHex(
    "424d3a0000000000000036000000280000000100000001000000010018"
    "0000000000000000000000000000000000000000000000000001020300");

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

TEST(BitmapDecode, DamagedBlocksAreRefused) {
  EXPECT_EQ(Decode(kGood), (std::vector<uint32_t>{0x654321, 0x123456, 0x123456, 0x654321}));
  EXPECT_EQ(Decode(kOnePixel), (std::vector<uint32_t>{0x030201}));
  const struct {
    size_t at;
    uint32_t value;
  } damages[] = {
      {0, 0x4D41},  // "AM"
      {18, 0},      // width 0
      {18, uint32_t(-3)},
      {22, 0x80000000u},
      {28, 7},      // no such depth
      {30, 1},      // run-length compressed
      {14, 0xFFFFFFF0u},  // header size
      {10, 20},           // pixels inside the header
      {10, 0xFFFFFFF0u},
      {22, 3},  // one row more than stored
      {46, 0},  // a full table of 256 entries would run past the block
  };
  for (const auto& damage : damages) {
    Bytes b = kGood;
    Put(b, damage.at, damage.value, damage.at == 0 || damage.at == 28 ? 2 : 4);
    EXPECT_TRUE(Decode(b).empty()) << "offset " << damage.at << " value " << damage.value;
  }
  EXPECT_TRUE(Decode(kGood, uint32_t(kGood.size()) - 1).empty());
}
