#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <utility>

#include "platform/text.h"

namespace {
std::string S(const Text& t) { return std::string(t.c_str(), static_cast<size_t>(t.length())); }

void ExpectTexts(std::initializer_list<std::pair<Text, const char*>> cases) {
  int row = 0;
  for (const auto& [got, want] : cases) EXPECT_EQ(S(got), want) << "row " << row++;
}
}  // namespace

TEST(Text, CutsClampTheirStartAndCount) {
  const Text t("abcdef");
  EXPECT_EQ(TextLength(Text(nullptr)), 0);
  EXPECT_EQ(TextLength(Text("f\xFCr")), 3);
  ExpectTexts({{TextLeft(t, 2), "ab"},        {TextLeft(t, -1), ""},           {TextLeft(t, 99), "abcdef"},
               {TextRight(t, 2), "ef"},       {TextRight(t, -5), ""},          {TextRight(t, 7), "abcdef"},
               {TextMid(t, -3, 2), "ab"},     {TextMid(t, 3, 2), "cd"},        {TextMid(t, 5, 10), "ef"},
               {TextMid(t, 6, 1), "f"},       {TextMid(t, 7, 1), ""},          {TextMid(t, 2, 0), ""},
               {TextMid(t, 2, -1), ""},       {TextMid(t, 1, INT32_MAX), "abcdef"}});
}

TEST(Text, FindIsOneBasedAndCaseSensitive) {
  const struct {
    const char* text;
    const char* search;
    int start;
    int found;
  } cases[] = {{"abcabc", "bc", 1, 2}, {"abcabc", "bc", 3, 5}, {"abcabc", "bc", 5, 5}, {"abcabc", "bc", 6, 0},
               {"abcabc", "bc", 0, 2}, {"abcabc", "a", 7, 0},  {"abcabc", "BC", 1, 0}, {"abcabc", "", 1, 0},
               {"", "a", 1, 0},        {"ab", "abc", 1, 0}};
  for (const auto& c : cases) EXPECT_EQ(TextFind(c.text, c.search, c.start), c.found) << c.search << " " << c.start;
}

TEST(Text, RemoveAndFieldCutAtSeparators) {
  const Text t("a|bb||c");
  ExpectTexts({{TextRemove("aaa", "aa"), "a"},   {TextRemove("x-y-z-", "-"), "xyz"}, {TextRemove("Abab", "ab"), "Ab"},
               {TextRemove("abc", ""), "abc"},   {TextRemove("", "a"), ""},
               {TextField(t, 1, "|"), "a"},      {TextField(t, -2, "|"), "a"},       {TextField(t, 2, "|"), "bb"},
               {TextField(t, 3, "|"), ""},       {TextField(t, 4, "|"), "c"},        {TextField(t, 5, "|"), ""},
               {TextField(t, 2, "|x"), "bb"},    {TextField("a|", 2, "|"), ""},      {TextField("abc", 1, ""), "abc"},
               {TextField("abc", 2, ""), ""}});
}

TEST(Text, CaseRulesOfCodePage1252) {
  // Every byte: upper of a lower-case byte moves it, others stay (0xDF and 0xFF have no partner in 1252).
  for (int c = 1; c < 256; ++c) {
    const int up = static_cast<unsigned char>(TextUpper(TextChar(c)).c_str()[0]);
    const int down = static_cast<unsigned char>(TextLower(TextChar(c)).c_str()[0]);
    const bool lower = (c >= 'a' && c <= 'z') || c >= 0xE0;
    const bool upper = (c >= 'A' && c <= 'Z') || (c >= 0xC0 && c <= 0xDE);
    EXPECT_EQ(up, lower ? c - 32 : c) << c;
    EXPECT_EQ(down, upper ? c + 32 : c) << c;
  }
  EXPECT_EQ(S(TextUpper("a\xE4z")), "A\xC4Z");
}

TEST(Text, TrimPadSpacesAndChar) {
  ExpectTexts({{TextTrim("  a b  "), "a b"},          {TextTrim("\ta \t"), "\ta \t"},   {TextTrim("    "), ""},
               {TextPadLeft("7", 3, "0"), "007"},     {TextPadLeft("7", 3), "  7"},     {TextPadLeft("7", 3, "xy"), "xx7"},
               {TextPadLeft("12345", 3, "0"), "123"}, {TextPadLeft("123", 0, "0"), ""}, {TextPadLeft("123", -1, "0"), ""},
               {TextSpaces(3), "   "},                {TextSpaces(-3), ""},
               {TextChar(0xE4), "\xE4"},              {TextChar(0x141), "A"},           {TextChar(0), ""}});
}

TEST(Text, NumbersBothWays) {
  const struct {
    const char* text;
    int32_t value;
  } cases[] = {{" \t -12a", -12}, {"+42", 42}, {"", 0}, {"abc", 0}, {"-", 0}, {"--1", 0}, {"1 2", 1}, {"\n5", 0},
               {"2147483647", INT32_MAX}, {"-2147483648", INT32_MIN}, {"2147483648", INT32_MIN}, {"4294967297", 1},
               {"99999999999999999999999", static_cast<int32_t>(0xF67FFFFFu)}};  // wraps, never crashes
  for (const auto& c : cases) EXPECT_EQ(TextToNumber(c.text), c.value) << c.text;
  ExpectTexts({{NumberToText(0), "0"}, {NumberToText(-12), "-12"}, {NumberToText(INT32_MAX), "2147483647"},
               {NumberToText(INT32_MIN), "-2147483648"}});
  for (int32_t v : {1, -1, 9, 10, -10, 123456789, -987654321}) EXPECT_EQ(TextToNumber(NumberToText(v)), v);
}

TEST(Text, PathPartStopsAtBarAndSkipsOneQuote) {
  ExpectTexts({{PathPart("C:\\PureBasic\\PureBasic.exe"), "C:\\PureBasic\\"},
               {PathPart("\"C:\\Pure Basic\\PureBasic.exe\" \"%1\""), "C:\\Pure Basic\\"},
               {PathPart("c:/a/b.exe"), "c:/a/"},
               {PathPart("C:\\a\\b.exe|x\\y"), "C:\\a\\"},
               {PathPart("b.exe|x\\y"), ""},
               {PathPart("\"\"a\\"), "\"a\\"},
               {PathPart("\""), ""},
               {PathPart(""), ""}});
}

TEST(Text, FromMemoryStopsAtZeroOrLength) {
  const char bytes[] = {'a', 'b', 0, 'c'};
  const char unterminated[] = {'x', 'y', 'z'};
  ExpectTexts({{TextFromMemory(bytes), "ab"},      {TextFromMemory(bytes, 1), "a"},  {TextFromMemory(bytes, 4), "ab"},
               {TextFromMemory(bytes, 0), ""},     {TextFromMemory(bytes, -1), ""},
               {TextFromMemory(unterminated, 3), "xyz"},  // reads no byte past the length
               {TextFromMemory(nullptr), ""}});
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
  EXPECT_TRUE(TextLess("z", "\xE4"));  // 0xE4 sorts after every ASCII byte
  EXPECT_FALSE(TextLess("\xE4", "z"));
  EXPECT_TRUE(TextLess("B", "a"));
}

TEST(Text, MemoryReadByteSignExtends) {
  const unsigned char bytes[] = {0xFF, 0x80, 0x7F};
  EXPECT_EQ(MemoryReadByte(bytes), -1);
  EXPECT_EQ(MemoryReadByte(bytes + 1), -128);
  EXPECT_EQ(MemoryReadByte(bytes + 2), 127);
}
