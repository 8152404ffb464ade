#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>

#include "platform/dates.h"
#include "setup/dialog_page.h"
#include "setup/font_scaling.h"

namespace {

struct FontSizes {
  int32_t note, banner, page, credit;
};

FontSizes SizesAt(int32_t dpi) {
  return {ScaledFontSize(8, dpi), ScaledFontSize(24, dpi), ScaledFontSize(10, dpi), ScaledFontSize(7, dpi)};
}

void ExpectSizes(int32_t dpi, FontSizes expected) {
  const FontSizes sizes = SizesAt(dpi);
  EXPECT_EQ(sizes.note, expected.note) << dpi;
  EXPECT_EQ(sizes.banner, expected.banner) << dpi;
  EXPECT_EQ(sizes.page, expected.page) << dpi;
  EXPECT_EQ(sizes.credit, expected.credit) << dpi;
}

TEST(SetupFontSizes, ScaledToKeepTheirPixelHeight) {
  ExpectSizes(96, {8, 24, 10, 7});
  ExpectSizes(120, {6, 19, 8, 6});
  ExpectSizes(144, {5, 16, 7, 5});
  ExpectSizes(72, {11, 32, 13, 9});
}

TEST(SetupFontSizes, HalvesGoToTheEvenNeighbour) {
  EXPECT_EQ(ScaledFontSize(7, 192), 4);   // 3.5
  EXPECT_EQ(ScaledFontSize(5, 192), 2);   // 2.5
  EXPECT_EQ(ScaledFontSize(10, 128), 8);  // 7.5
  EXPECT_EQ(ScaledFontSize(9, 64), 14);   // 13.5
  EXPECT_EQ(ScaledFontSize(11, 64), 16);  // 16.5
}

// Windows presents the program at 96 dpi and scales it whole, its text sharply; the fonts keep their rule for
// systems that hand over the real resolution all the same.
TEST(SetupFontSizes, ManifestLeavesTheResolutionToWindowsWithSharpText) {
  std::ifstream file(VELKOR_MANIFEST);
  const std::string manifest{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
  ASSERT_FALSE(manifest.empty());
  EXPECT_EQ(manifest.find("dpiAware"), std::string::npos);  // dpiAware and dpiAwareness alike
  EXPECT_NE(manifest.find("<gdiScaling xmlns=\"http://schemas.microsoft.com/SMI/2017/WindowsSettings\">true"
                          "</gdiScaling>"),
            std::string::npos);
}

TEST(SetupFontSizes, UnreadableResolutionLeavesSizesUnscaled) {
  ExpectSizes(0, {8, 24, 10, 7});
  ExpectSizes(-5, {8, 24, 10, 7});
}

DialogPageLines LinesFor(int32_t installedVersion, const char* installedDate) {
  const SetupDialogOptions options{.title = "Velkor_400",
                                   .setupVersion = 1007,
                                   .setupDate = "13.09.2007",
                                   .authorName = "Dorvanix",
                                   .installedVersion = installedVersion,
                                   .installedDate = installedDate};
  return DialogPageLinesFor(options, DateParse("%dd.%mm.%yyyy", options.setupDate),
                            DateParse("%dd.%mm.%yyyy", options.installedDate));
}

TEST(DialogPageLines, SetupAndInstalledCopyDescribed) {
  const DialogPageLines lines = LinesFor(1006, "01.02.2006");
  EXPECT_EQ(lines.program, Text("Programm: Velkor_400"));
  EXPECT_EQ(lines.setupVersion, Text("Setup-Version\t\t: 000.001.007"));
  EXPECT_EQ(lines.setupDate, Text("Versionsdatum\t\t: 13.09.2007"));
  EXPECT_EQ(lines.copyright, Text("Copyright Dorvanix"));
  EXPECT_EQ(lines.installedVersion, Text("Installierte Version\t: 000.001.006"));
  EXPECT_EQ(lines.installedDate, Text("Versionsdatum\t\t: 01.02.2006"));
}

TEST(DialogPageLines, NothingInstalledOrNoVersionShowsNoInstalledValues) {
  for (int32_t installedVersion : {0, -3}) {
    const DialogPageLines lines = LinesFor(installedVersion, "01.02.2006");
    EXPECT_EQ(lines.installedVersion, Text("Installierte Version\t: nicht angegeben / installiert"));
    EXPECT_EQ(lines.installedDate, Text("Versionsdatum\t\t:"));
  }
  // A version without a date: the version is shown, the date line stays empty.
  const DialogPageLines noDate = LinesFor(1007, "");
  EXPECT_EQ(noDate.installedVersion, Text("Installierte Version\t: 000.001.007"));
  EXPECT_EQ(noDate.installedDate, Text("Versionsdatum\t\t:"));
}

TEST(DialogPageLines, InstalledDateWithoutADateValueIsShownAsStored) {
  // Beyond the 32-bit range, and a day that does not exist: no date value, not 31.12.1969.
  for (const char* stored : {"01.01.2099", "31.04.2007"})
    EXPECT_EQ(LinesFor(1006, stored).installedDate, Text("Versionsdatum\t\t: ") + stored) << stored;
}

TEST(OptionStateRule, ContinueNeedsASelectionAndTheShortcutNeedsInstallWithTheOffer) {
  const OptionStates none = OptionStatesFor(Selection::none, 1);
  EXPECT_FALSE(none.continueEnabled);
  EXPECT_FALSE(none.shortcutEnabled);
  EXPECT_TRUE(none.shortcutCleared);

  const OptionStates offered = OptionStatesFor(Selection::install, 1);
  EXPECT_TRUE(offered.continueEnabled);
  EXPECT_TRUE(offered.shortcutEnabled);
  EXPECT_FALSE(offered.shortcutCleared);

  for (int32_t offer : {0, 2, -1}) EXPECT_FALSE(OptionStatesFor(Selection::install, offer).shortcutEnabled) << offer;

  for (Selection other : {Selection::update, Selection::uninstall}) {
    const OptionStates states = OptionStatesFor(other, 1);
    EXPECT_TRUE(states.continueEnabled);
    EXPECT_FALSE(states.shortcutEnabled);
    EXPECT_FALSE(states.shortcutCleared);  // the check mark stays while the box is disabled
  }
}

}  // namespace
