// The pure rules behind what the installer shows and decides, one table each.
#include <gtest/gtest.h>

#include <cstring>

#include "host/banner_reduction.h"
#include "host/compiler_path.h"
#include "platform/dates.h"
#include "registry/lookup_rules.h"
#include "setup/version_assessment.h"

namespace {
const Text kMask("%dd.%mm.%yyyy");
int32_t D(const char* text) { return DateParse(kMask, text); }
}  // namespace

TEST(VersionAssessment, OffersWhatFitsThePair) {
  struct Case {
    int32_t installed;
    const char* date;
    bool install, update;
    const char* label;  // the update option's label, or the refusal
    int width;
    int32_t result;  // of the one selectable option; 0 when none is
  };
  const Case cases[] = {
      {0, "13.09.2007", true, false, "", 0, 1},
      {1007, "", true, false, "", 0, 1},
      {1007, "13.09.2007", false, true, "reparieren (Setup-Version gleich der installierten)", 340, 3},
      {1007, "12.09.2007", false, true, "aktualisieren (Zeitstempelunterschied)", 290, 4},
      {1007, "31.04.2007", false, true, "aktualisieren (Zeitstempelunterschied)", 290, 4},  // Di = -1
      {1006, "13.09.2007", false, true, "UpDate installieren", 0, 2},
      {-5, "01.01.2000", false, true, "UpDate installieren", 0, 2},
      {1007, "14.09.2007", false, false, kRefusalSameVersionNewerDate, 0, 0},
      {1008, "01.01.2000", false, false, kRefusalOlderSetup, 0, 0},
      {1006, "14.09.2007", false, false, kRefusalNewerVersionNewerDate, 0, 0},
  };
  for (const Case& c : cases) {
    const VersionOutcome o = AssessInstalledVersion(1007, D("13.09.2007"), c.installed, D(c.date));
    EXPECT_EQ(o.installAvailable, c.install) << c.installed << " " << c.date;
    EXPECT_EQ(o.updateAvailable, c.update) << c.installed << " " << c.date;
    EXPECT_EQ(o.uninstallForcedUnavailable, !c.update) << c.installed << " " << c.date;
    EXPECT_STREQ(c.update ? o.updateLabel : o.refusal, c.label);
    EXPECT_STREQ(o.refusal, c.install || c.update ? "" : c.label);
    EXPECT_EQ(c.update ? o.updateWidth : 0, c.width);
    const Selection choice = c.install ? Selection::install : c.update ? Selection::update : Selection::none;
    EXPECT_EQ(DialogResultFor(choice, o.updateLabel, false), c.result) << c.installed << " " << c.date;
  }
  EXPECT_EQ(DialogResultFor(Selection::install, kUpdateLabel, true), 6);
  EXPECT_EQ(DialogResultFor(Selection::uninstall, kUpdateLabel, false), 5);
  EXPECT_EQ(DialogResultFor(Selection::update, "Reparieren", false), 2);  // the label's bytes, case and all
  EXPECT_STREQ(kRefusalOlderSetup,
               "Die Setupversion ist \xE4lter als eine bereits installierte Version.\r\rDer Vorgang wird abgebrochen.");
}

TEST(VersionAssessment, DottedVersionForm) {
  for (const auto& [number, shown] : {std::pair{1007, "000.001.007"}, {0, "000.000.000"}, {1234567890, "123.456.789"},
                                      {-5, "000.000.0-5"}})
    EXPECT_EQ(FormatVersionNumber(number), Text(shown)) << number;
}

TEST(Dates, ParseAndFormat) {
  const Text full("%dd.%mm.%yyyy %hh:%ii:%ss");
  for (const auto& [text, value] : {std::pair{"13.09.2007", 1189641600}, {"01.01.1970", 0}, {"1.2.2007", 1170288000},
                                    {"29.02.2008", 1204243200}, {"", 0}})
    EXPECT_EQ(D(text), value) << text;
  for (const char* text : {"31.04.2007", "29.02.2007", "29.02.1900", "00.01.2007", "32.01.2007", "01.13.2007",
                           "01.01.0000", "01.01.9999", "xx.yy.zzzz", "1.2."})
    EXPECT_EQ(D(text), -1) << text;
  EXPECT_EQ(DateParse(full, "19.01.2038 03:14:07"), INT32_MAX);
  EXPECT_EQ(DateParse(full, "19.01.2038 03:14:08"), -1);  // would wrap into another date
  EXPECT_EQ(DateParse(full, "13.12.1901 20:45:52"), INT32_MIN);
  EXPECT_EQ(DateParse(full, "13.12.1901 20:45:51"), -1);
  EXPECT_EQ(DateFormat(kMask, D("1.2.2007")), Text("01.02.2007"));
  EXPECT_EQ(DateFormat(full, INT32_MIN), Text("13.12.1901 20:45:52"));
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
      {CutLibraryCommandLine, "\"C:\\Pb\\PureBasic.exe\" \"%1\"", "C:\\PB\\"},
      {CutLibraryCommandLine, "C:\\Bäume\\purebasic.exe %1", "C:\\BÄUME\\"},
      {CutLibraryCommandLine, "\"C:\\Pb\\PureBasic4.exe\"", nullptr},
      {CutSearchedCommandLine, "\"C:\\Pb\\PureBasic.exe\" \"%1\"", "C:\\PB\\"},
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
  EXPECT_TRUE(PlatformTakesClassesRoot(0x1DB10106u));   // 6.1 build 7601
  EXPECT_FALSE(PlatformTakesClassesRoot(0x1D000106u));  // build 7424, a multiple of 256
  EXPECT_FALSE(PlatformTakesClassesRoot(0xC0000A04u));  // the 9x family
}
