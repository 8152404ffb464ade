#pragma once
// Setup font sizes keep the pixel height they have at 96 DPI, whatever the display's setting.
#include <cstdint>

// baseSize x (96 / dpi) with a single-precision factor, rounded to the nearest integer, halves to even.
// A dpi below 1 (the resolution could not be read) leaves the size unscaled.
int32_t ScaledFontSize(int32_t baseSize, int32_t dpi);
