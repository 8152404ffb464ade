#include <gtest/gtest.h>

#include <cstring>

#include "host/banner_reduction.h"
#include "host/compiler_path.h"

namespace {
Text Block(const char* bytes) { return BannerLineFromBlock(bytes, static_cast<int>(std::strlen(bytes))); }

Text Version(const char* output) { return VersionFromBannerLine(Block(output)); }
}  // namespace

TEST(BannerReduction, PlainBannerLosesProductAndPlatformWords) {
  EXPECT_EQ(Block("PureBasic 4.10 (Windows - x86)\r\n"), Text("PUREBASIC 4.10 (WINDOWS - X86)"));
  EXPECT_EQ(Version("PureBasic 4.10 (Windows - x86)\r\n"), Text("4.10"));
  EXPECT_EQ(Version("PureBasic 4.00 (Windows - x86)"), Text("4.00"));
  // Removal order matters: "(" goes after "WINDOWS", so the word it splits survives.
  EXPECT_EQ(VersionFromBannerLine("WIN(DOWS 4.10"), Text("WINDOWS 4.10"));
}

TEST(BannerReduction, LetterVBeforeTheNumberCutsUpToTheBracket) {
  EXPECT_EQ(Block("PureBasic v4.10 (Windows - x86)\r\n"), Text("4.10"));
  EXPECT_EQ(Version("PureBasic v4.10 (Windows - x86)\r\n"), Text("4.10"));
  EXPECT_EQ(Version("PureBasic V4.02 Beta 1 (Windows - x86)"), Text("4.02 BETA 1"));
  // A "V" without a "(" after it, or a "(" only before it, leaves nothing.
  EXPECT_EQ(Block("PureBasic v4.10"), Text(""));
  EXPECT_EQ(Block("(x86) PureBasic v4.10"), Text(""));
  // "V(" and "V (" leave a count of zero or less.
  EXPECT_EQ(Block("V(x"), Text(""));
  EXPECT_EQ(Block("V (x"), Text(""));
}

TEST(BannerReduction, OtherWordsStayUpperCasedWithTheirInnerBlanks) {
  EXPECT_EQ(Version("PureBasic 4.10 Beta 2 (Windows - x86)"), Text("4.10 BETA 2"));
  EXPECT_EQ(Version("PureBasic 4.10 für Tests"), Text("4.10 F\xDCR TESTS"));
}

TEST(BannerReduction, OnlyTheFirstLineCountsAndOnlyCarriageReturnsEndIt) {
  EXPECT_EQ(Version("PureBasic 4.10 (Windows - x86)\r\nCopyright Fantaisie\r\n"), Text("4.10"));
  // A bare line feed does not end the line, and the blanks before it stay: only spaces at the ends are stripped.
  EXPECT_EQ(Version("PureBasic 4.10  \nsecond"), Text("4.10  \nSECOND"));
  EXPECT_EQ(Version("PureBasic 4.10 \n"), Text("4.10 \n"));
  // A block that begins with a carriage return gives the empty line.
  EXPECT_EQ(Block("\r\nPureBasic 4.10"), Text(""));
}

TEST(BannerReduction, BlockEndsAtItsCountOrAtAZeroByte) {
  const char bytes[] = "PureBasic 4.10\0 (Windows - x86)";
  EXPECT_EQ(BannerLineFromBlock(bytes, sizeof bytes - 1), Text("PUREBASIC 4.10"));
  EXPECT_EQ(BannerLineFromBlock("PureBasic 4.10 (Windows)", 12), Text("PUREBASIC 4."));
  EXPECT_EQ(BannerLineFromBlock("x", 0), Text(""));
  EXPECT_EQ(VersionFromBannerLine(""), Text(""));
  EXPECT_EQ(Version("PureBasic (Windows - x86)"), Text(""));
}

TEST(CompilerPath, OnlyAnAbsoluteDirectoryNamesACompiler) {
  EXPECT_EQ(CompilerPathIn("C:\\Programme\\PureBasic\\"), Text("C:\\Programme\\PureBasic\\compilers\\pbcompiler.exe"));
  EXPECT_EQ(CompilerPathIn("d:/pb/"), Text("d:/pb/compilers\\pbcompiler.exe"));
  EXPECT_EQ(CompilerPathIn("\\\\server\\share\\PB\\"), Text("\\\\server\\share\\PB\\compilers\\pbcompiler.exe"));
  // No installation found, or a directory relative to the current folder or drive: nothing to start.
  EXPECT_EQ(CompilerPathIn(""), Text(""));
  EXPECT_EQ(CompilerPathIn("PureBasic\\"), Text(""));
  EXPECT_EQ(CompilerPathIn("C:PureBasic\\"), Text(""));
  EXPECT_EQ(CompilerPathIn("\\PureBasic\\"), Text(""));
  EXPECT_EQ(CompilerPathIn("1:\\PB\\"), Text(""));
}
