#pragma once
// Windows bitmap files held in memory: checking the headers and converting the stored pixels, whatever their
// depth (1, 4 or 8 bits with a colour table, 16, 24 or 32 bits), into 32-bit values 0x00RRGGBB, top row first.
#include <cstdint>

struct BitmapPicture {
  int32_t width = 0;
  int32_t height = 0;  // always positive
  bool topDown = false;
  int bitsPerPixel = 0;
  int32_t rowBytes = 0;  // stored row length including its padding to 4 bytes
  const unsigned char* pixels = nullptr;  // the first stored row
  const unsigned char* palette = nullptr;
  int paletteEntries = 0;
  int paletteEntryBytes = 0;  // 4, or 3 in files with the old 12-byte header
  bool masked = false;         // 16- and 32-bit pixels split by the masks below
  uint32_t masks[3] = {};      // red, green, blue
};

// Largest picture accepted: both sides and the pixel count are bounded so that a broken header cannot ask for
// gigabytes or overflow the size arithmetic.
constexpr int32_t kBitmapMaxSide = 32767;
constexpr int64_t kBitmapMaxPixels = int64_t(1) << 25;

// Checks the block at file: it must begin with "BM" and every header, colour table and pixel row must lie
// within size bytes. With size 0 (unknown) the file's own size field sets that bound instead.
// Returns false for anything that is not a sane, uncompressed bitmap.
bool BitmapExamine(const void* file, uint32_t size, BitmapPicture* picture);

// Writes width × height values, row by row from the top; indexes beyond the colour table give black.
void BitmapToPixels32(const BitmapPicture& picture, uint32_t* out);
