#include <gtest/gtest.h>

#include "installer/command_line.h"

TEST(CommandLine, SwitchesAreReadInAnyCaseAndTheFolderTakesTheRestOfTheLine) {
  struct Case {
    const char* arguments;
    bool silent;
    const char* folder;
    const char* logPath;
  };
  for (const Case& c : {Case{"  /s\t/log=C:\\setup.log  ", true, "", "C:\\setup.log"},
                        Case{"/LOG=\"C:\\my logs\\a.log\" /S", true, "", "C:\\my logs\\a.log"},
                        Case{"/S /D=C:\\Program Files\\PureBasic  ", true, "C:\\Program Files\\PureBasic\\", ""},
                        Case{"/d=c:/pb/", false, "c:\\pb\\", ""}, Case{"\"/D=D:\\a b\"", false, "D:\\a b\\", ""},
                        Case{"/D=C:", false, "C:\\", ""},
                        Case{"/D=\\\\server\\share", false, "\\\\server\\share\\", ""},
                        Case{"/D=C:\\PB 4.10\\v.1 x", false, "C:\\PB 4.10\\v.1 x\\", ""}}) {
    SCOPED_TRACE(c.arguments);
    const CommandLine line = ParseCommandLine(c.arguments);
    EXPECT_TRUE(line.anySwitch && !line.usageError && !line.help);
    EXPECT_EQ(line.silent, c.silent);
    EXPECT_STREQ(line.folder.c_str(), c.folder);
    EXPECT_STREQ(line.logPath.c_str(), c.logPath);
  }
  EXPECT_FALSE(ParseCommandLine(" \t ").anySwitch);
  EXPECT_TRUE(ParseCommandLine("/S /?").help);
}

TEST(CommandLine, UnknownSwitchesEmptyValuesAndUnusableFoldersAreUsageErrors) {
  for (const char* arguments : {"/X", "/S /Silent", "setup", "/LOG=", "/D=", "/D=   ", "/D=PureBasic",
                                "/D=\\PureBasic", "/D=1:\\PureBasic", "\"/D=C:\\x\" /S", "/D=C:\\a|b",
                                // Names ending in a blank (as a switch after a blank leaves) or a dot, a colon
                                // after the drive, a control character.
                                "/D=C:\\PB /S", "/D=C:\\PB /log=C:\\a.log", "/D=C:\\PB\\ /D=C:\\x", "/D=C:\\PB \\x",
                                "/D=C:\\PB.", "/D=C:\\PB\\..\\x", "/D=C:\\a:b", "/D=\\\\s\\c:", "/D=C:\\a\tb"}) {
    SCOPED_TRACE(arguments);
    EXPECT_TRUE(ParseCommandLine(arguments).usageError);
  }
  // The log file still receives the usage text when the bad switch comes first; but no file is named after the
  // start of an unquoted path with blanks.
  EXPECT_STREQ(ParseCommandLine("/X /LOG=a.log").logPath.c_str(), "a.log");
  EXPECT_STREQ(ParseCommandLine("/S /LOG=C:\\My Logs\\a.log").logPath.c_str(), "");
}
