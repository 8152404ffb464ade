#include <gtest/gtest.h>

#include "platform/colours.h"
#include "setup/gradient_geometry.h"
#include "setup/setup_palette.h"

namespace {

TEST(GradientSteps, ClampedIntoTwoToTwoHundredFiftyFive) {
  EXPECT_EQ(ClampGradientSteps(1), 2);
  EXPECT_EQ(ClampGradientSteps(-7), 2);
  EXPECT_EQ(ClampGradientSteps(2), 2);
  EXPECT_EQ(ClampGradientSteps(255), 255);
  EXPECT_EQ(ClampGradientSteps(1000), 255);
}

// The bands of any extent tile it exactly: the first starts at 0, each starts where the previous ended,
// the last ends at the extent, none is negative.
void ExpectTiling(int32_t steps, int32_t extent) {
  int32_t expectedFrom = 0;
  int32_t painted = 0;
  for (int32_t i = 0; i < steps; ++i) {
    const GradientSpan span = GradientBandSpan(i, steps, extent);
    ASSERT_EQ(span.from, expectedFrom) << "band " << i << " of " << steps << " over " << extent;
    ASSERT_GE(span.to, span.from);
    painted += span.to - span.from;
    expectedFrom = span.to;
  }
  EXPECT_EQ(expectedFrom, extent);
  EXPECT_EQ(painted, extent);
}

TEST(GradientBands, TileWideAndNarrowExtents) {
  for (int32_t extent : {0, 1, 7, 100, 254, 255, 256, 768, 1024, 1080, 4000}) {
    ExpectTiling(255, extent);
    ExpectTiling(2, extent);
  }
}

TEST(GradientBands, LimitsOfAWideWindow) {
  // 1024 pixels in 255 bands: 4 or 5 pixels each, rounded limits.
  EXPECT_EQ(GradientBandSpan(0, 255, 1024).from, 0);
  EXPECT_EQ(GradientBandSpan(0, 255, 1024).to, 4);    // 4.016
  EXPECT_EQ(GradientBandSpan(1, 255, 1024).to, 8);    // 8.03
  EXPECT_EQ(GradientBandSpan(127, 255, 1024).to, 514);  // 513.9
  EXPECT_EQ(GradientBandSpan(254, 255, 1024).from, 1020);
  EXPECT_EQ(GradientBandSpan(254, 255, 1024).to, 1024);
}

TEST(GradientBands, NarrowWindowHasEmptyBands) {
  // 100 pixels in 255 bands: most bands are empty, the others one pixel wide.
  int32_t empty = 0;
  for (int32_t i = 0; i < 255; ++i) {
    const GradientSpan span = GradientBandSpan(i, 255, 100);
    EXPECT_LE(span.to - span.from, 1);
    if (span.to == span.from) ++empty;
  }
  EXPECT_EQ(empty, 155);
  EXPECT_EQ(GradientBandSpan(0, 255, 100).to, 0);    // 0.39
  EXPECT_EQ(GradientBandSpan(1, 255, 100).to, 1);    // 0.78
  EXPECT_EQ(GradientBandSpan(254, 255, 100).to, 100);
}

TEST(GradientColours, InstallerGradientFromPaletteEntry112ToBlack) {
  const uint32_t top = SetupPaletteColour(112);
  const uint32_t bottom = SetupPaletteColour(0);
  EXPECT_EQ(GradientBandColour(top, bottom, 0, 255), top);
  // The end colour is only approached: the last band is (0, 1, 1).
  EXPECT_EQ(GradientBandColour(top, bottom, 254, 255), ColourOf(0, 1, 1));
  EXPECT_EQ(GradientBandColour(top, bottom, 127, 255), ColourOf(0, 77, 102));  // 153 - 76.2, 204 - 101.6
}

TEST(GradientColours, RisingAndFallingComponentsAndTwoSteps) {
  const uint32_t start = ColourOf(255, 0, 100);
  const uint32_t end = ColourOf(0, 255, 100);
  EXPECT_EQ(GradientBandColour(start, end, 1, 2), ColourOf(127, 128, 100));  // -127.5 and 127.5
  EXPECT_EQ(GradientBandColour(start, end, 0, 2), start);
  // Identical colours give one colour throughout.
  for (int32_t i = 0; i < 255; ++i) EXPECT_EQ(GradientBandColour(end, end, i, 255), end);
}

}  // namespace
