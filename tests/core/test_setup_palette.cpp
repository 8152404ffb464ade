#include <gtest/gtest.h>

#include "platform/colours.h"
#include "setup/setup_palette.h"

namespace {

TEST(SetupPalette, CubeGreysAndNamedColours) {
  struct Entry {
    int32_t index, red, green, blue;
  };
  // The cube orders green, then red, then blue; greys and named colours follow.
  for (const Entry& e : {Entry{0, 0, 0, 0}, Entry{1, 0, 0, 51}, Entry{6, 51, 0, 0}, Entry{35, 255, 0, 255},
                         Entry{36, 0, 51, 0}, Entry{112, 0, 153, 204}, Entry{215, 255, 255, 255},
                         Entry{216, 10, 10, 10}, Entry{240, 250, 250, 250}, Entry{241, 240, 200, 20},
                         Entry{245, 200, 160, 60}, Entry{246, 192, 0, 0}, Entry{250, 192, 0, 192},
                         Entry{254, 20, 240, 20}, Entry{255, 10, 130, 220}}) {
    const PaletteColour entry = SetupPaletteEntry(e.index);
    EXPECT_EQ(entry.red, e.red) << "entry " << e.index;
    EXPECT_EQ(entry.green, e.green) << "entry " << e.index;
    EXPECT_EQ(entry.blue, e.blue) << "entry " << e.index;
  }
}

TEST(SetupPalette, PacksRedLowest) {
  for (int32_t i = 0; i <= kSetupPaletteLast; ++i) {
    const PaletteColour entry = SetupPaletteEntry(i);
    EXPECT_EQ(SetupPaletteColour(i), ColourOf(entry.red, entry.green, entry.blue)) << i;
  }
  EXPECT_EQ(SetupPaletteColour(112), 0xCC9900u);
  EXPECT_EQ(SetupPaletteColour(6), 51u);
}

TEST(SetupPalette, IndexesOutsideTheTableAreClamped) {
  EXPECT_EQ(ClampColourIndex(INT32_MIN), 0);
  EXPECT_EQ(ClampColourIndex(INT32_MAX), 255);
  EXPECT_EQ(ClampColourIndex(17), 17);
  EXPECT_EQ(SetupPaletteColour(300), SetupPaletteColour(255));
  EXPECT_EQ(SetupPaletteColour(-4), SetupPaletteColour(0));
}

}  // namespace
