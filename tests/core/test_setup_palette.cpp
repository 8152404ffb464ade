#include <gtest/gtest.h>

#include "platform/colours.h"
#include "setup/setup_palette.h"

namespace {

void ExpectEntry(int32_t index, int32_t red, int32_t green, int32_t blue) {
  const PaletteColour entry = SetupPaletteEntry(index);
  EXPECT_EQ(entry.red, red) << "entry " << index;
  EXPECT_EQ(entry.green, green) << "entry " << index;
  EXPECT_EQ(entry.blue, blue) << "entry " << index;
}

TEST(SetupPalette, ColourCubeOrdersGreenThenRedThenBlue) {
  ExpectEntry(0, 0, 0, 0);
  ExpectEntry(1, 0, 0, 51);
  ExpectEntry(5, 0, 0, 255);
  ExpectEntry(6, 51, 0, 0);
  ExpectEntry(35, 255, 0, 255);
  ExpectEntry(36, 0, 51, 0);
  ExpectEntry(112, 0, 153, 204);
  ExpectEntry(215, 255, 255, 255);
}

TEST(SetupPalette, GreyRampAndNamedColours) {
  ExpectEntry(216, 10, 10, 10);
  ExpectEntry(228, 130, 130, 130);
  ExpectEntry(240, 250, 250, 250);
  ExpectEntry(241, 240, 200, 20);
  ExpectEntry(245, 200, 160, 60);
  ExpectEntry(246, 192, 0, 0);
  ExpectEntry(250, 192, 0, 192);
  ExpectEntry(254, 20, 240, 20);
  ExpectEntry(255, 10, 130, 220);
}

TEST(SetupPalette, EveryEntryIsAValidColourAndPacksRedLowest) {
  for (int32_t i = 0; i <= kSetupPaletteLast; ++i) {
    const PaletteColour entry = SetupPaletteEntry(i);
    for (int32_t component : {entry.red, entry.green, entry.blue}) {
      EXPECT_GE(component, 0) << i;
      EXPECT_LE(component, 255) << i;
    }
    EXPECT_EQ(SetupPaletteColour(i), ColourOf(entry.red, entry.green, entry.blue)) << i;
  }
  EXPECT_EQ(SetupPaletteColour(112), 0xCC9900u);
  EXPECT_EQ(SetupPaletteColour(6), 51u);
}

TEST(SetupPalette, IndexesOutsideTheTableAreClamped) {
  EXPECT_EQ(ClampColourIndex(-4), 0);
  EXPECT_EQ(ClampColourIndex(INT32_MIN), 0);
  EXPECT_EQ(ClampColourIndex(300), 255);
  EXPECT_EQ(ClampColourIndex(INT32_MAX), 255);
  EXPECT_EQ(ClampColourIndex(17), 17);
  EXPECT_EQ(SetupPaletteColour(300), SetupPaletteColour(255));
  EXPECT_EQ(SetupPaletteColour(-4), SetupPaletteColour(0));
}

}  // namespace
