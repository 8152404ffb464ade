#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>

#include "platform/dates.h"
#include "setup/dialog_page.h"

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

TEST(DialogPageLines, InstalledDateWithoutADateValueIsShownAsStored) {
  // Beyond the 32-bit range, and a day that does not exist: no date value, not 31.12.1969.
  for (const char* stored : {"01.01.2099", "31.04.2007"}) {
    const SetupDialogOptions options{.title = "Velkor_400", .setupVersion = 1007, .setupDate = "13.09.2007",
                                     .installedVersion = 1006, .installedDate = stored};
    const DialogPageLines lines = DialogPageLinesFor(options, DateParse("%dd.%mm.%yyyy", options.setupDate),
                                                     DateParse("%dd.%mm.%yyyy", options.installedDate));
    EXPECT_EQ(lines.installedDate, Text("Versionsdatum\t\t: ") + stored) << stored;
  }
}
