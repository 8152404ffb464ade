#include <gtest/gtest.h>

#include "registry/lookup_rules.h"

namespace {

// The cut of one source as a text: "-" when the source does not count.
using Cut = bool (*)(const Text&, Text&);
std::string Apply(Cut cut, const char* commandLine) {
  Text directory("unchanged");
  if (!cut(commandLine, directory)) return directory == Text("unchanged") ? "-" : "changed without counting";
  return directory.c_str();
}

}  // namespace

TEST(PlatformBranch, MaskedBuildByteDecides) {
  EXPECT_TRUE(PlatformTakesClassesRoot(0x1DB10106u));   // 6.1 build 7601
  EXPECT_TRUE(PlatformTakesClassesRoot(0x0A280105u));   // 5.1 build 2600
  EXPECT_FALSE(PlatformTakesClassesRoot(0x1D000106u));  // build 7424, a multiple of 256
  EXPECT_FALSE(PlatformTakesClassesRoot(0xC0000A04u));  // the 9x family
  EXPECT_FALSE(PlatformTakesClassesRoot(0u));
  EXPECT_TRUE(PlatformTakesClassesRoot(0x00010000u));
  EXPECT_FALSE(PlatformTakesClassesRoot(0xFF00FFFFu));
}

TEST(DirectCommandLineCut, KeepsTheRegistryCaseAndEndsWithASeparator) {
  EXPECT_EQ(Apply(CutDirectCommandLine, "\"C:\\Programme\\PureBasic\\PureBasic.exe\" \"%1\""),
            "C:\\Programme\\PureBasic\\");
  EXPECT_EQ(Apply(CutDirectCommandLine, "\"C:\\PB\\PureBasic.exe\""), "C:\\PB\\");
  EXPECT_EQ(Apply(CutDirectCommandLine, "\"d:/tools/pb/purebasic.EXE\" \"%1\""), "d:/tools/pb/");
  EXPECT_EQ(Apply(CutDirectCommandLine, "\"C:\\Bäume\\PureBasic.exe\" \"%1\""), "C:\\Bäume\\");
}

TEST(DirectCommandLineCut, UnquotedCommandLineKeepsItsDriveLetter) {
  EXPECT_EQ(Apply(CutDirectCommandLine, "C:\\PB\\PureBasic.exe \"%1\""), "C:\\PB\\");
  EXPECT_EQ(Apply(CutDirectCommandLine, "C:\\PB\\PureBasic.exe"), "C:\\PB\\");
}

TEST(DirectCommandLineCut, CountsWhenNamedEvenWithoutADirectory) {
  EXPECT_EQ(Apply(CutDirectCommandLine, "\"PureBasic.exe\" \"%1\""), "");
  EXPECT_EQ(Apply(CutDirectCommandLine, "PUREBASIC.EXE"), "");
  EXPECT_EQ(Apply(CutDirectCommandLine, "\"C:\\PB\\PureBasic4.exe\" \"%1\""), "-");
  EXPECT_EQ(Apply(CutDirectCommandLine, "\"C:\\PB\\Pure Basic.exe\" \"%1\""), "-");
  EXPECT_EQ(Apply(CutDirectCommandLine, ""), "-");
}

TEST(LibraryCommandLineCut, TakesEverythingBeforeTheNameInCapitalsWithoutQuotes) {
  EXPECT_EQ(Apply(CutLibraryCommandLine, "\"C:\\Pb\\PureBasic.exe\" \"%1\""), "C:\\PB\\");
  EXPECT_EQ(Apply(CutLibraryCommandLine, "C:\\Pb\\PureBasic.exe %1"), "C:\\PB\\");
  EXPECT_EQ(Apply(CutLibraryCommandLine, "\"C:\\Programme\\Bäume\\purebasic.exe\""), "C:\\PROGRAMME\\BÄUME\\");
  EXPECT_EQ(Apply(CutLibraryCommandLine, "\"PureBasic.exe\""), "");
  EXPECT_EQ(Apply(CutLibraryCommandLine, "\"C:\\Pb\\PureBasic4.exe\""), "-");
}

TEST(SearchedCommandLineCut, TakesTheQuotedProgramInCapitals) {
  EXPECT_EQ(Apply(CutSearchedCommandLine, "\"C:\\Pb\\PureBasic.exe\" \"%1\""), "C:\\PB\\");
  EXPECT_EQ(Apply(CutSearchedCommandLine, "\"C:\\Pb\\PureBasic.exe\""), "C:\\PB\\");
  // The marker must lie inside the quotes, not in an argument behind them.
  EXPECT_EQ(Apply(CutSearchedCommandLine, "\"C:\\Pb\\Editor.exe\" \"C:\\Pb\\PureBasic.exe\""), "-");
  EXPECT_EQ(Apply(CutSearchedCommandLine, "\"C:\\Pb\\PureBasic.exe"), "-");  // no closing quote
  EXPECT_EQ(Apply(CutSearchedCommandLine, "\"PureBasic.exe\""), "");
}

TEST(SearchedCommandLineCut, NeedsAnOpeningQuote) {
  EXPECT_EQ(Apply(CutSearchedCommandLine, "C:\\PB\\PureBasic.exe %1"), "-");
  EXPECT_EQ(Apply(CutSearchedCommandLine, "C:\\PB\\PureBasic.exe \"%1\""), "-");
  EXPECT_EQ(Apply(CutSearchedCommandLine, ""), "-");
}

TEST(AssociatedCommandLineCut, TakesTheProgramsDirectoryInCapitals) {
  EXPECT_EQ(Apply(CutAssociatedCommandLine, "C:\\Pb\\PureBasic.exe"), "C:\\PB\\");
  EXPECT_EQ(Apply(CutAssociatedCommandLine, "C:\\Pb\\PureBasic.exe "), "C:\\PB\\");
  EXPECT_EQ(Apply(CutAssociatedCommandLine, "C:\\Pb\\Compiler.exe"), "-");
  EXPECT_EQ(Apply(CutAssociatedCommandLine, ""), "-");
}

TEST(AssociatedProgram, CutsBehindExeAndRemovesQuotes) {
  EXPECT_STREQ(ProgramFromCommandLine("\"C:\\Program Files\\Web\\browser.exe\" \"%1\"").c_str(),
               "C:\\Program Files\\Web\\browser.exe");
  // Unquoted: the blank after the program stays.
  EXPECT_STREQ(ProgramFromCommandLine("C:\\Web\\browser.exe %1").c_str(), "C:\\Web\\browser.exe ");
  EXPECT_STREQ(ProgramFromCommandLine("C:\\WEB\\BROWSER.EXE -new %1").c_str(), "C:\\WEB\\BROWSER.EXE ");
  EXPECT_STREQ(ProgramFromCommandLine("C:\\web\\browser.exe").c_str(), "C:\\web\\browser.exe");
  // No ".exe": the command line comes back as it is, quotes included.
  EXPECT_STREQ(ProgramFromCommandLine("rundll32 \"url.dll\",Open %1").c_str(), "rundll32 \"url.dll\",Open %1");
  EXPECT_TRUE(ProgramFromCommandLine("").empty());
}
