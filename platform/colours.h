#pragma once
// Colour values: red + 256 * green + 65536 * blue.
#include <cstdint>

constexpr uint32_t ColourOf(uint32_t red, uint32_t green, uint32_t blue) { return red + green * 256 + blue * 65536; }
constexpr uint32_t RedOf(uint32_t colour) { return colour & 0xFF; }
constexpr uint32_t GreenOf(uint32_t colour) { return (colour >> 8) & 0xFF; }
constexpr uint32_t BlueOf(uint32_t colour) { return (colour >> 16) & 0xFF; }
// Red, green and blue only: a high byte would make Windows read a COLORREF as a palette index.
constexpr uint32_t ColourRgb(uint32_t colour) { return colour & 0xFFFFFF; }
