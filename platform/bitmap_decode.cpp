#include "platform/bitmap_decode.h"

#include "platform/colours.h"

namespace {

constexpr uint32_t kFileHeaderBytes = 14;
constexpr uint32_t kCoreHeaderBytes = 12;
constexpr uint32_t kInfoHeaderBytes = 40;
constexpr uint32_t kLargestHeaderBytes = 124;  // the version 5 header
constexpr uint32_t kUncompressed = 0;
constexpr uint32_t kBitFields = 3;

uint32_t Read16(const unsigned char* p) { return p[0] | (uint32_t(p[1]) << 8); }
uint32_t Read32(const unsigned char* p) { return Read16(p) | (Read16(p + 2) << 16); }

bool ValidDepth(int bits) { return bits == 1 || bits == 4 || bits == 8 || bits == 16 || bits == 24 || bits == 32; }

// One colour component out of a masked pixel, scaled to 0..255.
uint32_t Component(uint32_t pixel, uint32_t mask) {
  if (mask == 0) return 0;
  int shift = 0;
  while (!((mask >> shift) & 1)) ++shift;
  const uint32_t field = mask >> shift;
  int bits = 0;
  while (bits < 32 && (field >> bits) != 0) ++bits;
  const uint32_t value = (pixel & mask) >> shift;
  if (bits >= 8) return value >> (bits - 8);
  const uint32_t largest = (uint32_t(1) << bits) - 1;
  return (value * 255 + largest / 2) / largest;
}

uint32_t FromMasks(uint32_t pixel, const uint32_t* masks) {
  return (Component(pixel, masks[0]) << 16) | (Component(pixel, masks[1]) << 8) | Component(pixel, masks[2]);
}

uint32_t FromPalette(const BitmapPicture& picture, uint32_t index) {
  if (index >= uint32_t(picture.paletteEntries)) return 0;
  const unsigned char* entry = picture.palette + index * uint32_t(picture.paletteEntryBytes);
  return entry[0] | (uint32_t(entry[1]) << 8) | (uint32_t(entry[2]) << 16);
}

// What the info header holds besides the picture's own fields.
struct HeaderFields {
  uint32_t compression = kUncompressed;
  uint32_t coloursUsed = 0;
};

// Size and depth from the core (12-byte) header or an info header (40 bytes and more).
bool ReadSizeAndDepth(const unsigned char* header, uint32_t headerBytes, BitmapPicture* result,
                      HeaderFields* fields) {
  int64_t height;
  if (headerBytes == kCoreHeaderBytes) {
    result->width = static_cast<int32_t>(Read16(header + 4));
    height = Read16(header + 6);
    result->bitsPerPixel = static_cast<int>(Read16(header + 10));
    result->paletteEntryBytes = 3;
  } else {
    result->width = static_cast<int32_t>(Read32(header + 4));
    height = static_cast<int32_t>(Read32(header + 8));
    result->bitsPerPixel = static_cast<int>(Read16(header + 14));
    fields->compression = Read32(header + 16);
    fields->coloursUsed = Read32(header + 32);
    result->paletteEntryBytes = 4;
  }
  result->topDown = height < 0;
  if (height < 0) height = -height;
  if (result->width <= 0 || height <= 0 || result->width > kBitmapMaxSide || height > kBitmapMaxSide) return false;
  if (int64_t(result->width) * height > kBitmapMaxPixels) return false;
  result->height = static_cast<int32_t>(height);
  return ValidDepth(result->bitsPerPixel);
}

// The colour masks of 16- and 32-bit pixels. Masks that follow a 40-byte header move the colour table.
bool ReadMasks(const unsigned char* bytes, uint64_t limit, uint32_t headerBytes, uint32_t compression,
               BitmapPicture* result, uint64_t* tableOffset) {
  if (compression == kBitFields) {
    if (result->bitsPerPixel != 16 && result->bitsPerPixel != 32) return false;
    // The masks follow the 40-byte header, or sit inside the larger ones at the same place.
    const uint64_t masksOffset = kFileHeaderBytes + kInfoHeaderBytes;
    if (masksOffset + 12 > limit) return false;
    for (int i = 0; i < 3; ++i) result->masks[i] = Read32(bytes + masksOffset + 4 * i);
    result->masked = true;
    if (headerBytes == kInfoHeaderBytes) *tableOffset += 12;
  } else if (compression != kUncompressed) {
    return false;
  } else if (result->bitsPerPixel == 16) {
    result->masks[0] = 0x7C00;
    result->masks[1] = 0x03E0;
    result->masks[2] = 0x001F;
    result->masked = true;
  }
  return true;
}

// The colour table of pictures of 8 bits or fewer per pixel.
bool ReadPalette(const unsigned char* bytes, uint64_t limit, uint64_t tableOffset, uint32_t coloursUsed,
                 BitmapPicture* result) {
  if (result->bitsPerPixel > 8) return true;
  const uint32_t most = uint32_t(1) << result->bitsPerPixel;
  result->paletteEntries = static_cast<int>(coloursUsed == 0 || coloursUsed > most ? most : coloursUsed);
  if (tableOffset + uint64_t(result->paletteEntries) * uint32_t(result->paletteEntryBytes) > limit) return false;
  result->palette = bytes + tableOffset;
  return true;
}

}  // namespace

bool BitmapExamine(const void* file, uint32_t size, BitmapPicture* picture) {
  const unsigned char* bytes = static_cast<const unsigned char*>(file);
  if (!bytes || (size != 0 && size < kFileHeaderBytes + 4)) return false;
  if (bytes[0] != 'B' || bytes[1] != 'M') return false;
  const uint64_t limit = size != 0 ? size : Read32(bytes + 2);
  const uint32_t pixelOffset = Read32(bytes + 10);
  if (limit < kFileHeaderBytes + 4) return false;
  const uint32_t headerBytes = Read32(bytes + kFileHeaderBytes);
  if (headerBytes != kCoreHeaderBytes && (headerBytes < kInfoHeaderBytes || headerBytes > kLargestHeaderBytes))
    return false;
  if (kFileHeaderBytes + headerBytes > limit) return false;

  BitmapPicture result;
  HeaderFields fields;
  uint64_t tableOffset = kFileHeaderBytes + headerBytes;
  if (!ReadSizeAndDepth(bytes + kFileHeaderBytes, headerBytes, &result, &fields) ||
      !ReadMasks(bytes, limit, headerBytes, fields.compression, &result, &tableOffset) ||
      !ReadPalette(bytes, limit, tableOffset, fields.coloursUsed, &result))
    return false;

  const int64_t rowBytes = (int64_t(result.width) * result.bitsPerPixel + 31) / 32 * 4;
  if (pixelOffset < kFileHeaderBytes + headerBytes) return false;
  if (pixelOffset + uint64_t(rowBytes) * uint64_t(result.height) > limit) return false;
  result.rowBytes = static_cast<int32_t>(rowBytes);
  result.pixels = bytes + pixelOffset;
  *picture = result;
  return true;
}

void BitmapToPixels32(const BitmapPicture& picture, uint32_t* out) {
  for (int32_t y = 0; y < picture.height; ++y) {
    const int32_t stored = picture.topDown ? y : picture.height - 1 - y;
    const unsigned char* row = picture.pixels + int64_t(stored) * picture.rowBytes;
    uint32_t* target = out + int64_t(y) * picture.width;
    for (int32_t x = 0; x < picture.width; ++x) {
      uint32_t colour;
      switch (picture.bitsPerPixel) {
        case 1: colour = FromPalette(picture, (row[x >> 3] >> (7 - (x & 7))) & 1); break;
        case 4: colour = FromPalette(picture, (row[x >> 1] >> ((x & 1) ? 0 : 4)) & 15); break;
        case 8: colour = FromPalette(picture, row[x]); break;
        case 16: colour = FromMasks(Read16(row + 2 * x), picture.masks); break;
        case 24: colour = row[3 * x] | (uint32_t(row[3 * x + 1]) << 8) | (uint32_t(row[3 * x + 2]) << 16); break;
        default: {
          const uint32_t pixel = Read32(row + 4 * x);
          colour = picture.masked ? FromMasks(pixel, picture.masks) : ColourRgb(pixel);
        }
      }
      target[x] = colour;
    }
  }
}
