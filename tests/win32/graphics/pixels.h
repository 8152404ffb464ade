#pragma once
// Test helpers for images: reading pixels back, and the colour value / pixel difference.
#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <vector>

#include "tests/support/bitmap_file.h"

// Every pixel of the bitmap as 0x00RRGGBB, top row first. The bitmap must not be in an open drawing.
inline std::vector<uint32_t> PixelsOf(HBITMAP bitmap) {
  BITMAP info{};
  if (!GetObjectA(bitmap, sizeof info, &info)) return {};
  std::vector<uint32_t> pixels(size_t(info.bmWidth) * info.bmHeight);
  BITMAPINFO request{};
  request.bmiHeader = {sizeof request.bmiHeader, info.bmWidth, -info.bmHeight, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  HDC screen = GetDC(nullptr);
  const int rows = GetDIBits(screen, bitmap, 0, info.bmHeight, pixels.data(), &request, DIB_RGB_COLORS);
  ReleaseDC(nullptr, screen);
  if (rows != info.bmHeight) return {};
  for (uint32_t& pixel : pixels) pixel &= 0xFFFFFF;
  return pixels;
}

// Colour values hold red in the lowest byte; pixels read back hold it in the third.
inline uint32_t AsPixel(uint32_t colour) { return (colour & 0xFF) << 16 | (colour & 0xFF00) | (colour >> 16 & 0xFF); }

inline int CountOf(const std::vector<uint32_t>& pixels, uint32_t value) {
  return int(std::count(pixels.begin(), pixels.end(), value));
}
