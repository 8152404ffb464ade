#include <gtest/gtest.h>

#include "registry/lookup_rules.h"

TEST(PlatformBranch, MaskedBuildByteDecides) {
  EXPECT_TRUE(PlatformTakesClassesRoot(0x1DB10106u));   // 6.1 build 7601
  EXPECT_TRUE(PlatformTakesClassesRoot(0x00010000u));
  EXPECT_FALSE(PlatformTakesClassesRoot(0x1D000106u));  // build 7424, a multiple of 256
  EXPECT_FALSE(PlatformTakesClassesRoot(0xC0000A04u));  // the 9x family
  EXPECT_FALSE(PlatformTakesClassesRoot(0xFF00FFFFu));
}

TEST(CommandLineCuts, EachSourceCutsItsOwnWay) {
  using Cut = bool (*)(const Text&, Text&);
  struct Case {
    Cut cut;
    const char* commandLine;
    const char* directory;  // nullptr: the source does not count
  };
  const Case cases[] = {
      // Direct read: keeps the registry's letter case; only an opening quote is dropped, so an unquoted
      // command line keeps its drive letter.
      {CutDirectCommandLine, "\"C:\\Programme\\PureBasic\\PureBasic.exe\" \"%1\"", "C:\\Programme\\PureBasic\\"},
      {CutDirectCommandLine, "\"C:\\PB\\PureBasic.exe\"", "C:\\PB\\"},
      {CutDirectCommandLine, "\"d:/tools/pb/purebasic.EXE\" \"%1\"", "d:/tools/pb/"},
      {CutDirectCommandLine, "\"C:\\Bäume\\PureBasic.exe\" \"%1\"", "C:\\Bäume\\"},
      {CutDirectCommandLine, "C:\\PB\\PureBasic.exe \"%1\"", "C:\\PB\\"},
      {CutDirectCommandLine, "C:\\PB\\PureBasic.exe", "C:\\PB\\"},
      // Named without a directory still counts, with the empty directory.
      {CutDirectCommandLine, "\"PureBasic.exe\" \"%1\"", ""},
      {CutDirectCommandLine, "PUREBASIC.EXE", ""},
      {CutDirectCommandLine, "\"C:\\PB\\PureBasic4.exe\" \"%1\"", nullptr},
      {CutDirectCommandLine, "\"C:\\PB\\Pure Basic.exe\" \"%1\"", nullptr},
      {CutDirectCommandLine, "", nullptr},
      // Library read: everything before the name, in capitals, without quotes.
      {CutLibraryCommandLine, "\"C:\\Pb\\PureBasic.exe\" \"%1\"", "C:\\PB\\"},
      {CutLibraryCommandLine, "C:\\Pb\\PureBasic.exe %1", "C:\\PB\\"},
      {CutLibraryCommandLine, "\"C:\\Programme\\Bäume\\purebasic.exe\"", "C:\\PROGRAMME\\BÄUME\\"},
      {CutLibraryCommandLine, "\"PureBasic.exe\"", ""},
      {CutLibraryCommandLine, "\"C:\\Pb\\PureBasic4.exe\"", nullptr},
      // Search: the quoted program in capitals; the marker must lie inside the quotes, and an opening quote
      // is needed.
      {CutSearchedCommandLine, "\"C:\\Pb\\PureBasic.exe\" \"%1\"", "C:\\PB\\"},
      {CutSearchedCommandLine, "\"C:\\Pb\\PureBasic.exe\"", "C:\\PB\\"},
      {CutSearchedCommandLine, "\"PureBasic.exe\"", ""},
      {CutSearchedCommandLine, "\"C:\\Pb\\Editor.exe\" \"C:\\Pb\\PureBasic.exe\"", nullptr},
      {CutSearchedCommandLine, "\"C:\\Pb\\PureBasic.exe", nullptr},
      {CutSearchedCommandLine, "C:\\PB\\PureBasic.exe %1", nullptr},
      {CutSearchedCommandLine, "C:\\PB\\PureBasic.exe \"%1\"", nullptr},
      {CutSearchedCommandLine, "", nullptr},
      // Association: the program's directory in capitals.
      {CutAssociatedCommandLine, "C:\\Pb\\PureBasic.exe ", "C:\\PB\\"},
      {CutAssociatedCommandLine, "C:\\Pb\\Compiler.exe", nullptr},
  };
  for (const Case& c : cases) {
    Text directory("unchanged");
    const bool counts = c.cut(c.commandLine, directory);
    EXPECT_EQ(counts, c.directory != nullptr) << c.commandLine;
    EXPECT_STREQ(directory.c_str(), c.directory ? c.directory : "unchanged") << c.commandLine;
  }
}

TEST(AssociatedProgram, CutsBehindExeAndRemovesQuotes) {
  EXPECT_STREQ(ProgramFromCommandLine("\"C:\\Program Files\\Web\\browser.exe\" \"%1\"").c_str(),
               "C:\\Program Files\\Web\\browser.exe");
  // Unquoted: the blank after the program stays.
  EXPECT_STREQ(ProgramFromCommandLine("C:\\WEB\\BROWSER.EXE -new %1").c_str(), "C:\\WEB\\BROWSER.EXE ");
  EXPECT_STREQ(ProgramFromCommandLine("C:\\web\\browser.exe").c_str(), "C:\\web\\browser.exe");
  // No ".exe": the command line comes back as it is, quotes included.
  EXPECT_STREQ(ProgramFromCommandLine("rundll32 \"url.dll\",Open %1").c_str(), "rundll32 \"url.dll\",Open %1");
}
