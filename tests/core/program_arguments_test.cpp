#include <gtest/gtest.h>

#include <string>

#include "installer/program_arguments.h"

TEST(CommandLineArguments, SkipTheProgramNameAndTheBlanksAfterIt) {
  const char* const program = "C:\\Program Files\\Tools\\Setup.exe";
  const struct {
    const char* line;
    const char* arguments;
  } cases[] = {
      {"Setup.exe", ""},
      {"Setup.exe /S", "/S"},
      {"Setup.exe \t  /S  x ", "/S  x "},
      {"\"C:\\Program Files\\Setup.exe\" /S", "/S"},
      {"\"C:\\Program Files\\Setup.exe\"/S", "/S"},
      {"\"C:\\Program Files\\Setup.exe\"", ""},
      {"\"unclosed name /S", ""},
      {"  /S", "/S"},
      {"", ""},
      {"C:\\D\xE4ten\\Setup.exe \xC4nderung", "\xC4nderung"},
      // The program's own path unquoted, as some launchers pass it, in any letter case.
      {"C:\\Program Files\\Tools\\Setup.exe", ""},
      {"c:\\program files\\tools\\SETUP.EXE  /S", "/S"},
      {"C:\\Program Files\\Tools\\Setup.exe.old /S", "Files\\Tools\\Setup.exe.old /S"},
  };
  for (const auto& c : cases) EXPECT_EQ(std::string(CommandLineArguments(c.line, program)), c.arguments) << c.line;
}
