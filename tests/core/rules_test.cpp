// The pure rules behind what the installer shows and decides, one table each.
#include <gtest/gtest.h>

#include <cstring>

#include "host/banner_reduction.h"
#include "host/compiler_path.h"
#include "host/window_order.h"
#include "platform/dates.h"
#include "registry/lookup_rules.h"
#include "setup/version_assessment.h"

namespace {
const Text kMask("%dd.%mm.%yyyy");
int32_t D(const char* text) { return DateParse(kMask, text); }
}  // namespace

// The pairs that no end-to-end row meets: no installed date, an installed date that does not exist (-1), a newer
// setup version of the same date, a negative installed version.
TEST(VersionAssessment, OffersWhatFitsThePair) {
  struct Case {
    int32_t installed;
    const char* date;
    bool install;
    const char* updateLabel;  // null: no update offered
  };
  for (const Case& c : {Case{1007, "", true, nullptr}, {1007, "31.04.2007", false, kTimestampLabel},
                        {1006, "13.09.2007", false, kUpdateLabel}, {-5, "01.01.2000", false, kUpdateLabel}}) {
    const VersionOutcome o = AssessInstalledVersion(1007, D("13.09.2007"), c.installed, D(c.date));
    EXPECT_EQ(o.installAvailable, c.install) << c.installed << " " << c.date;
    EXPECT_EQ(o.updateAvailable, c.updateLabel != nullptr) << c.installed << " " << c.date;
    EXPECT_EQ(o.uninstallForcedUnavailable, !c.updateLabel) << c.installed << " " << c.date;
    if (c.updateLabel) { EXPECT_STREQ(o.updateLabel, c.updateLabel); }
    EXPECT_STREQ(o.refusal, "");
  }
}

TEST(VersionAssessment, DottedVersionForm) {
  for (const auto& [number, shown] : {std::pair{1007, "000.001.007"}, {0, "000.000.000"}, {1234567890, "123.456.789"},
                                      {-5, "000.000.0-5"}})
    EXPECT_EQ(FormatVersionNumber(number), Text(shown)) << number;
}

TEST(Dates, ParseAndFormat) {
  // The first and last days whose midnight a 32-bit value holds; the days beyond would wrap into other dates.
  for (const auto& [text, value] : {std::pair{"13.09.2007", 1189641600}, {"01.01.1970", 0}, {"1.2.2007", 1170288000},
                                    {"29.02.2008", 1204243200}, {"", 0}, {"19.01.2038", 2147472000},
                                    {"14.12.1901", -2147472000}})
    EXPECT_EQ(D(text), value) << text;
  for (const char* text : {"31.04.2007", "29.02.2007", "29.02.1900", "00.01.2007", "32.01.2007", "01.13.2007",
                           "01.01.0000", "01.01.9999", "xx.yy.zzzz", "1.2.", "20.01.2038", "13.12.1901"})
    EXPECT_EQ(D(text), -1) << text;
  EXPECT_EQ(DateFormat(kMask, D("1.2.2007")), Text("01.02.2007"));
}

TEST(CompilerBanner, OneBlockOfOutputGivesTheVersion) {
  const std::pair<const char*, const char*> cases[] = {
      {"PureBasic 4.10 (Windows - x86)\r\nCopyright Fantaisie\r\n", "4.10"},
      {"PureBasic v4.10 (Windows - x86)\r\n", "4.10"},
      {"PureBasic V4.02 Beta 1 (Windows - x86)", "4.02 BETA 1"},
      {"PureBasic 4.10 für Tests", "4.10 F\xDCR TESTS"},
  };
  for (const auto& [output, version] : cases)
    EXPECT_EQ(VersionFromBannerLine(BannerLineFromBlock(output, static_cast<int>(std::strlen(output)))), Text(version))
        << output;
  EXPECT_EQ(CompilerPathIn("C:\\PB\\"), Text("C:\\PB\\compilers\\pbcompiler.exe"));
  for (const char* relative : {"", "PureBasic\\", "C:PureBasic\\", "\\PureBasic\\", "1:\\PB\\"})
    EXPECT_EQ(CompilerPathIn(relative), Text("")) << relative;
}

TEST(PureBasicLookup, EachSourceCutsItsOwnWay) {
  using Cut = bool (*)(TextView, Text&);
  struct Case {
    Cut cut;
    const char* commandLine;
    const char* directory;  // null: the source does not count
  };
  const Case cases[] = {
      {CutDirectCommandLine, "\"C:\\Programme\\PureBasic\\PureBasic.exe\" \"%1\"", "C:\\Programme\\PureBasic\\"},
      {CutDirectCommandLine, "C:\\PB\\PureBasic.exe \"%1\"", "C:\\PB\\"},
      {CutDirectCommandLine, "C:\\PB\\PureBasic.exe", "C:\\PB\\"},
      {CutDirectCommandLine, "PUREBASIC.EXE", ""},
      {CutDirectCommandLine, "\"C:\\PB\\PureBasic4.exe\" \"%1\"", nullptr},
      {CutLibraryCommandLine, "C:\\Bäume\\purebasic.exe %1", "C:\\BÄUME\\"},
      {CutLibraryCommandLine, "\"C:\\Pb\\PureBasic4.exe\"", nullptr},
      {CutSearchedCommandLine, "\"C:\\Pb\\Editor.exe\" \"C:\\Pb\\PureBasic.exe\"", nullptr},
      {CutSearchedCommandLine, "C:\\PB\\PureBasic.exe \"%1\"", nullptr},
      {CutAssociatedCommandLine, "C:\\Pb\\PureBasic.exe ", "C:\\PB\\"},
      {CutAssociatedCommandLine, "C:\\Pb\\Compiler.exe", nullptr},
  };
  for (const Case& c : cases) {
    Text directory("unchanged");
    EXPECT_EQ(c.cut(c.commandLine, directory), c.directory != nullptr) << c.commandLine;
    EXPECT_STREQ(directory.c_str(), c.directory ? c.directory : "unchanged") << c.commandLine;
  }
  EXPECT_EQ(ProgramFromCommandLine("\"C:\\Web\\browser.exe\" \"%1\""), Text("C:\\Web\\browser.exe"));
  EXPECT_EQ(ProgramFromCommandLine("C:\\WEB\\BROWSER.EXE -new %1"), Text("C:\\WEB\\BROWSER.EXE "));
  EXPECT_EQ(ProgramFromCommandLine("rundll32 url.dll,Open %1"), Text("rundll32 url.dll,Open %1"));
}

// Among windows whose title only contains the text, the one of the lowest process wins, whatever order the desktop
// lists them in; only windows of the window layer count.
TEST(WindowSearch, PicksTheWindowOfTheLowestProcess) {
  OrderedList<WindowRecord> records;
  for (const auto& [process, className] :
       {std::pair{12, "WindowClass_0"}, {4, "WindowClass_7"}, {2, "#32770"}, {8, "WindowClass_0"}})
    InsertWindowRecord(records, {.handle = 100 + process, .process = process, .className = className,
                                 .title = "SETUP PB-Library Velkor_400"});
  const WindowRecord* found = ScanWindowRecords(records, "Velkor_400");
  ASSERT_NE(found, nullptr);
  EXPECT_EQ(found->process, 4);
}
