#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "platform/text.h"

namespace {
std::string S(const Text& t) { return std::string(t.c_str(), static_cast<size_t>(t.length())); }
}  // namespace

TEST(Text, LengthCountsBytesAndAbsentIsEmpty) {
  EXPECT_EQ(TextLength(Text(nullptr)), 0);
  EXPECT_EQ(TextLength(Text("f\xFCr")), 3);
}

TEST(Text, LeftAndRightClampTheirCount) {
  const Text t("abcdef");
  EXPECT_EQ(S(TextLeft(t, 2)), "ab");
  EXPECT_EQ(S(TextLeft(t, -1)), "");
  EXPECT_EQ(S(TextLeft(t, 0)), "");
  EXPECT_EQ(S(TextLeft(t, 99)), "abcdef");
  EXPECT_EQ(S(TextRight(t, 2)), "ef");
  EXPECT_EQ(S(TextRight(t, -5)), "");
  EXPECT_EQ(S(TextRight(t, 6)), "abcdef");
  EXPECT_EQ(S(TextRight(t, 7)), "abcdef");
}

TEST(Text, MidClampsStartAndCount) {
  const Text t("abcdef");
  EXPECT_EQ(S(TextMid(t, 0, 2)), "ab");
  EXPECT_EQ(S(TextMid(t, -3, 2)), "ab");
  EXPECT_EQ(S(TextMid(t, 3, 2)), "cd");
  EXPECT_EQ(S(TextMid(t, 5, 10)), "ef");
  EXPECT_EQ(S(TextMid(t, 6, 1)), "f");
  EXPECT_EQ(S(TextMid(t, 7, 1)), "");
  EXPECT_EQ(S(TextMid(t, 2, 0)), "");
  EXPECT_EQ(S(TextMid(t, 2, -1)), "");
  EXPECT_EQ(S(TextMid(t, 1, INT32_MAX)), "abcdef");
}

TEST(Text, FindIsOneBasedAndCaseSensitive) {
  const Text t("abcabc");
  EXPECT_EQ(TextFind(t, "bc"), 2);
  EXPECT_EQ(TextFind(t, "bc", 3), 5);
  EXPECT_EQ(TextFind(t, "bc", 5), 5);
  EXPECT_EQ(TextFind(t, "bc", 6), 0);
  EXPECT_EQ(TextFind(t, "bc", 0), 2);
  EXPECT_EQ(TextFind(t, "bc", -4), 2);
  EXPECT_EQ(TextFind(t, "c", 6), 6);
  EXPECT_EQ(TextFind(t, "a", 7), 0);
  EXPECT_EQ(TextFind(t, "BC"), 0);
  EXPECT_EQ(TextFind(t, ""), 0);
  EXPECT_EQ(TextFind("", "a"), 0);
  EXPECT_EQ(TextFind("ab", "abc"), 0);
}

TEST(Text, RemoveTakesOccurrencesLeftToRightWithoutOverlap) {
  EXPECT_EQ(S(TextRemove("aaa", "aa")), "a");
  EXPECT_EQ(S(TextRemove("x-y-z-", "-")), "xyz");
  EXPECT_EQ(S(TextRemove("Abab", "ab")), "Ab");
  EXPECT_EQ(S(TextRemove("abc", "")), "abc");
  EXPECT_EQ(S(TextRemove("", "a")), "");
}

TEST(Text, FieldCutsAtFirstSeparatorCharacter) {
  const Text t("a|bb||c");
  EXPECT_EQ(S(TextField(t, 1, "|")), "a");
  EXPECT_EQ(S(TextField(t, 0, "|")), "a");
  EXPECT_EQ(S(TextField(t, -2, "|")), "a");
  EXPECT_EQ(S(TextField(t, 2, "|")), "bb");
  EXPECT_EQ(S(TextField(t, 3, "|")), "");
  EXPECT_EQ(S(TextField(t, 4, "|")), "c");
  EXPECT_EQ(S(TextField(t, 5, "|")), "");
  EXPECT_EQ(S(TextField(t, 2, "|x")), "bb");
  EXPECT_EQ(S(TextField("a|", 2, "|")), "");
  EXPECT_EQ(S(TextField("abc", 1, "")), "abc");
  EXPECT_EQ(S(TextField("abc", 2, "")), "");
}

TEST(Text, CaseRulesOfCodePage1252) {
  EXPECT_EQ(S(TextUpper("az\xE4\xF6\xFC\xDF\xE0\xFF@[`{")), "AZ\xC4\xD6\xDC\xDF\xC0\xDF@[`{");
  EXPECT_EQ(S(TextLower("AZ\xC4\xD6\xDC\xDF\xC0\xDE\xBF@[`{")), "az\xE4\xF6\xFC\xDF\xE0\xFE\xBF@[`{");
  // Every byte: upper of a lower-case byte moves it, others stay.
  for (int c = 1; c < 256; ++c) {
    const int up = static_cast<unsigned char>(TextUpper(TextChar(c)).c_str()[0]);
    const int down = static_cast<unsigned char>(TextLower(TextChar(c)).c_str()[0]);
    const bool lower = (c >= 'a' && c <= 'z') || c >= 0xE0;
    const bool upper = (c >= 'A' && c <= 'Z') || (c >= 0xC0 && c <= 0xDE);
    EXPECT_EQ(up, lower ? c - 32 : c) << c;
    EXPECT_EQ(down, upper ? c + 32 : c) << c;
  }
  EXPECT_EQ(S(TextUpper(Text())), "");
}

TEST(Text, TrimRemovesOnlySpaces) {
  EXPECT_EQ(S(TextTrim("  a b  ")), "a b");
  EXPECT_EQ(S(TextTrim("\ta \t")), "\ta \t");
  EXPECT_EQ(S(TextTrim("    ")), "");
}

TEST(Text, PadLeftAlignsOrCuts) {
  EXPECT_EQ(S(TextPadLeft("7", 3, "0")), "007");
  EXPECT_EQ(S(TextPadLeft("7", 3)), "  7");
  EXPECT_EQ(S(TextPadLeft("7", 3, "xy")), "xx7");
  EXPECT_EQ(S(TextPadLeft("12345", 3, "0")), "123");
  EXPECT_EQ(S(TextPadLeft("123", 3, "0")), "123");
  EXPECT_EQ(S(TextPadLeft("123", 0, "0")), "");
  EXPECT_EQ(S(TextPadLeft("123", -1, "0")), "");
}

TEST(Text, SpacesAndChar) {
  EXPECT_EQ(S(TextSpaces(3)), "   ");
  EXPECT_EQ(S(TextSpaces(-3)), "");
  EXPECT_EQ(S(TextChar(0xE4)), "\xE4");
  EXPECT_EQ(S(TextChar(13)), "\r");
  EXPECT_EQ(S(TextChar(0x141)), "A");
  EXPECT_EQ(TextLength(TextChar(0)), 0);
}

TEST(Text, ToNumberReadsSignAndDigits) {
  EXPECT_EQ(TextToNumber(" \t -12a"), -12);
  EXPECT_EQ(TextToNumber("+42"), 42);
  EXPECT_EQ(TextToNumber("1007"), 1007);
  EXPECT_EQ(TextToNumber(""), 0);
  EXPECT_EQ(TextToNumber("abc"), 0);
  EXPECT_EQ(TextToNumber("-"), 0);
  EXPECT_EQ(TextToNumber("--1"), 0);
  EXPECT_EQ(TextToNumber("+-1"), 0);
  EXPECT_EQ(TextToNumber("1 2"), 1);
  EXPECT_EQ(TextToNumber("\n5"), 0);
  EXPECT_EQ(TextToNumber("2147483647"), INT32_MAX);
  EXPECT_EQ(TextToNumber("-2147483648"), INT32_MIN);
  EXPECT_EQ(TextToNumber("2147483648"), INT32_MIN);           // wraps
  EXPECT_EQ(TextToNumber("4294967297"), 1);                   // wraps
  EXPECT_EQ(TextToNumber("99999999999999999999999"), static_cast<int32_t>(0xF67FFFFFu)); // never crashes
}

TEST(Text, NumberToTextCoversTheWholeRange) {
  EXPECT_EQ(S(NumberToText(0)), "0");
  EXPECT_EQ(S(NumberToText(1007)), "1007");
  EXPECT_EQ(S(NumberToText(-12)), "-12");
  EXPECT_EQ(S(NumberToText(INT32_MAX)), "2147483647");
  EXPECT_EQ(S(NumberToText(INT32_MIN)), "-2147483648");
  for (int32_t v : {1, -1, 9, 10, -10, 123456789, -987654321})
    EXPECT_EQ(TextToNumber(NumberToText(v)), v);
}

TEST(Text, PathPartStopsAtBarAndSkipsOneQuote) {
  EXPECT_EQ(S(PathPart("C:\\PureBasic\\PureBasic.exe")), "C:\\PureBasic\\");
  EXPECT_EQ(S(PathPart("\"C:\\Pure Basic\\PureBasic.exe\" \"%1\"")), "C:\\Pure Basic\\");
  EXPECT_EQ(S(PathPart("c:/a/b.exe")), "c:/a/");
  EXPECT_EQ(S(PathPart("C:\\a\\b.exe|x\\y")), "C:\\a\\");
  EXPECT_EQ(S(PathPart("b.exe|x\\y")), "");
  EXPECT_EQ(S(PathPart("\"\"a\\")), "\"a\\");
  EXPECT_EQ(S(PathPart("\"")), "");
  EXPECT_EQ(S(PathPart("")), "");
}

TEST(Text, FromMemoryStopsAtZeroOrLength) {
  const char bytes[] = {'a', 'b', 0, 'c'};
  EXPECT_EQ(S(TextFromMemory(bytes)), "ab");
  EXPECT_EQ(S(TextFromMemory(bytes, 1)), "a");
  EXPECT_EQ(S(TextFromMemory(bytes, 4)), "ab");
  EXPECT_EQ(S(TextFromMemory(bytes, 0)), "");
  EXPECT_EQ(S(TextFromMemory(bytes, -1)), "");
  const char unterminated[] = {'x', 'y', 'z'};
  EXPECT_EQ(S(TextFromMemory(unterminated, 3)), "xyz");  // reads no byte past the length
  EXPECT_EQ(S(TextFromMemory(nullptr)), "");
}

TEST(Text, EqualAndLessCompareUnsignedBytes) {
  EXPECT_TRUE(TextEqual(Text(), ""));
  EXPECT_TRUE(TextEqual("abc", "abc"));
  EXPECT_FALSE(TextEqual("abc", "abC"));
  EXPECT_FALSE(TextEqual("ab", "abc"));
  EXPECT_TRUE(TextLess("ab", "abc"));
  EXPECT_FALSE(TextLess("abc", "ab"));
  EXPECT_TRUE(TextLess(Text(), "a"));
  EXPECT_FALSE(TextLess("a", "a"));
  EXPECT_TRUE(TextLess("z", "\xE4"));   // 0xE4 sorts after every ASCII byte
  EXPECT_FALSE(TextLess("\xE4", "z"));
  EXPECT_TRUE(TextLess("B", "a"));
}

TEST(Text, MemoryReadByteSignExtends) {
  const unsigned char bytes[] = {0xFF, 0x80, 0x7F, 0};
  EXPECT_EQ(MemoryReadByte(bytes), -1);
  EXPECT_EQ(MemoryReadByte(bytes + 1), -128);
  EXPECT_EQ(MemoryReadByte(bytes + 2), 127);
  EXPECT_EQ(MemoryReadByte(bytes + 3), 0);
  EXPECT_EQ(MemoryReadByte(bytes) & 0xFF, 0xFF);
}
