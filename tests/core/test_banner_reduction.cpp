#include <gtest/gtest.h>

#include <cstring>

#include "host/banner_reduction.h"
#include "host/compiler_path.h"

TEST(BannerReduction, OneBlockOfOutputGivesTheVersion) {
  struct Case {
    const char* output;
    const char* line;     // the banner line of the block
    const char* version;  // after the removals and the trim
  };
  const Case cases[] = {
      {"PureBasic 4.10 (Windows - x86)\r\nCopyright Fantaisie\r\n", "PUREBASIC 4.10 (WINDOWS - X86)", "4.10"},
      // A letter V before the number cuts up to the blank before the "(".
      {"PureBasic v4.10 (Windows - x86)\r\n", "4.10", "4.10"},
      {"PureBasic V4.02 Beta 1 (Windows - x86)", "4.02 BETA 1", "4.02 BETA 1"},
      // A "V" without a "(" after it, or with too little before it, leaves nothing.
      {"PureBasic v4.10", "", ""},
      {"(x86) PureBasic v4.10", "", ""},
      {"V(x", "", ""},
      {"V (x", "", ""},
      // Other words stay, upper-cased, with their inner blanks.
      {"PureBasic 4.10 Beta 2 (Windows - x86)", "PUREBASIC 4.10 BETA 2 (WINDOWS - X86)", "4.10 BETA 2"},
      {"PureBasic 4.10 für Tests", "PUREBASIC 4.10 F\xDCR TESTS", "4.10 F\xDCR TESTS"},
      // Only a carriage return ends the line; only spaces are trimmed, so a line feed keeps the blanks before it.
      {"PureBasic 4.10  \nsecond", "PUREBASIC 4.10  \nSECOND", "4.10  \nSECOND"},
      {"\r\nPureBasic 4.10", "", ""},
      {"PureBasic (Windows - x86)", "PUREBASIC (WINDOWS - X86)", ""},
  };
  for (const Case& c : cases) {
    const Text line = BannerLineFromBlock(c.output, static_cast<int>(std::strlen(c.output)));
    EXPECT_EQ(line, Text(c.line)) << c.output;
    EXPECT_EQ(VersionFromBannerLine(line), Text(c.version)) << c.output;
  }
  // Removal order matters: "(" goes after "WINDOWS", so the word it splits survives.
  EXPECT_EQ(VersionFromBannerLine("WIN(DOWS 4.10"), Text("WINDOWS 4.10"));
}

TEST(BannerReduction, BlockEndsAtItsCountOrAtAZeroByte) {
  const char bytes[] = "PureBasic 4.10\0 (Windows - x86)";
  EXPECT_EQ(BannerLineFromBlock(bytes, sizeof bytes - 1), Text("PUREBASIC 4.10"));
  EXPECT_EQ(BannerLineFromBlock("PureBasic 4.10 (Windows)", 12), Text("PUREBASIC 4."));
  EXPECT_EQ(BannerLineFromBlock("x", 0), Text(""));
}

TEST(CompilerPath, OnlyAnAbsoluteDirectoryNamesACompiler) {
  EXPECT_EQ(CompilerPathIn("C:\\Programme\\PureBasic\\"), Text("C:\\Programme\\PureBasic\\compilers\\pbcompiler.exe"));
  EXPECT_EQ(CompilerPathIn("d:/pb/"), Text("d:/pb/compilers\\pbcompiler.exe"));
  EXPECT_EQ(CompilerPathIn("\\\\server\\share\\PB\\"), Text("\\\\server\\share\\PB\\compilers\\pbcompiler.exe"));
  // No installation found, or a directory relative to the current folder or drive: nothing to start.
  for (const char* directory : {"", "PureBasic\\", "C:PureBasic\\", "\\PureBasic\\", "1:\\PB\\"})
    EXPECT_EQ(CompilerPathIn(directory), Text("")) << directory;
}
