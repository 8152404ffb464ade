#pragma once
// The fixed 256-colour palette from which the setup picks its gradient colours by index.
#include <cstdint>

struct PaletteColour {
  int32_t red;
  int32_t green;
  int32_t blue;
};

constexpr int32_t kSetupPaletteLast = 255;

// Indexes below 0 count as 0, above 255 as 255.
int32_t ClampColourIndex(int32_t index);
// The entry of a (clamped) index.
PaletteColour SetupPaletteEntry(int32_t index);
// The entry as a packed colour value (red + 256 green + 65536 blue).
uint32_t SetupPaletteColour(int32_t index);
