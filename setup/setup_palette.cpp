// Entries 0 to 215 form a 6 x 6 x 6 colour cube, 216 to 240 a grey ramp, 241 to 255 a few named colours.
#include "setup/setup_palette.h"

#include "platform/colours.h"

namespace {

constexpr int32_t kCubeLast = 215;
constexpr int32_t kGreyLast = 240;

constexpr PaletteColour kNamedColours[kSetupPaletteLast - kGreyLast] = {
    {240, 200, 20}, {230, 190, 30}, {220, 180, 40}, {210, 170, 50}, {200, 160, 60},
    {192, 0, 0},    {0, 192, 0},    {0, 0, 192},    {192, 192, 0},  {192, 0, 192},
    {0, 192, 192},  {20, 20, 240},  {240, 20, 20},  {20, 240, 20},  {10, 130, 220},
};

}  // namespace

int32_t ClampColourIndex(int32_t index) {
  if (index < 0) return 0;
  return index > kSetupPaletteLast ? kSetupPaletteLast : index;
}

PaletteColour SetupPaletteEntry(int32_t index) {
  index = ClampColourIndex(index);
  if (index <= kCubeLast) {
    // Green varies slowest, then red, then blue; each level is a step of 51.
    return {51 * ((index / 6) % 6), 51 * (index / 36), 51 * (index % 6)};
  }
  if (index <= kGreyLast) {
    const int32_t grey = 10 * (index - kCubeLast);
    return {grey, grey, grey};
  }
  return kNamedColours[index - kGreyLast - 1];
}

uint32_t SetupPaletteColour(int32_t index) {
  const PaletteColour entry = SetupPaletteEntry(index);
  return ColourOf(static_cast<uint32_t>(entry.red), static_cast<uint32_t>(entry.green),
                  static_cast<uint32_t>(entry.blue));
}
