#include <gtest/gtest.h>

#include <string>

#include "installer/program_arguments.h"

TEST(CommandLineArguments, SkipTheProgramNameAndTheBlanksAfterIt) {
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
  };
  for (const auto& c : cases) EXPECT_EQ(std::string(CommandLineArguments(c.line)), c.arguments) << c.line;
}
