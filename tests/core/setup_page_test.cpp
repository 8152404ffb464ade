#include <gtest/gtest.h>

#include "platform/dates.h"
#include "setup/dialog_page.h"

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
