#include <gtest/gtest.h>

#include <cstdint>
#include <ctime>
#include <random>
#include <string>

#include "platform/dates.h"

namespace {
const Text kMask("%dd.%mm.%yyyy");
const Text kFullMask("%dd.%mm.%yyyy %hh:%ii:%ss");

std::string S(const Text& t) { return std::string(t.c_str(), static_cast<size_t>(t.length())); }

// The C library's UTC conversion is the reference: a local clock without zone shift counts like UTC.
int64_t Reference(int year, int month, int day, int hour = 0, int minute = 0, int second = 0) {
  std::tm tm{};
  tm.tm_year = year - 1900;
  tm.tm_mon = month - 1;
  tm.tm_mday = day;
  tm.tm_hour = hour;
  tm.tm_min = minute;
  tm.tm_sec = second;
  return static_cast<int64_t>(timegm(&tm));
}
}  // namespace

TEST(Dates, ParseAgreesWithTheCalendarOverTheWholeRange) {
  // Every day from 1902 to 2037, with a time of day that walks through the clock.
  for (int64_t at = Reference(1902, 1, 1); at < Reference(2038, 1, 1); at += 86400 + 3607) {
    const time_t t = static_cast<time_t>(at);
    std::tm tm{};
    gmtime_r(&t, &tm);
    char text[80];
    std::snprintf(text, sizeof text, "%02d.%02d.%04d %02d:%02d:%02d", tm.tm_mday, tm.tm_mon + 1, tm.tm_year + 1900,
                  tm.tm_hour, tm.tm_min, tm.tm_sec);
    ASSERT_EQ(DateParse(kFullMask, text), at) << text;
    ASSERT_EQ(S(DateFormat(kFullMask, static_cast<int32_t>(at))), text);
  }
}

TEST(Dates, ReleaseDateEpochAndOneDigitParts) {
  EXPECT_EQ(DateParse(kMask, "13.09.2007"), Reference(2007, 9, 13));
  EXPECT_EQ(DateParse(kMask, "01.01.1970"), 0);
  EXPECT_EQ(S(DateFormat(kMask, 0)), "01.01.1970");
  // One-digit day and month are read, and written back with two.
  const int32_t date = DateParse(kMask, "1.2.2007");
  EXPECT_EQ(date, Reference(2007, 2, 1));
  EXPECT_EQ(S(DateFormat(kMask, date)), "01.02.2007");
}

TEST(Dates, ImpossibleDatesAreMinusOne) {
  for (const char* text : {"31.04.2007", "31.06.2007", "31.09.2007", "31.11.2007", "30.02.2008", "31.02.2008",
                           "29.02.2007", "29.02.1900", "00.01.2007", "32.01.2007", "01.00.2007", "01.13.2007",
                           "01.01.0000", "..", "xx.yy.zzzz", "1.2."})
    EXPECT_EQ(DateParse(kMask, text), -1) << text;
  EXPECT_EQ(DateParse(kMask, "29.02.2008"), Reference(2008, 2, 29));
  EXPECT_EQ(DateParse(kMask, "29.02.2000"), Reference(2000, 2, 29));
  EXPECT_EQ(DateParse("%hh:%ii:%ss", "24:00:00"), -1);
  EXPECT_EQ(DateParse("%hh:%ii:%ss", "00:60:00"), -1);
  EXPECT_EQ(DateParse("%hh:%ii:%ss", "00:00:60"), -1);
  EXPECT_EQ(DateParse("%hh:%ii:%ss", "23:59:59"), 86399);
}

TEST(Dates, EmptyMaskOrTextIsTheEpoch) {
  EXPECT_EQ(DateParse(kMask, ""), 0);
  EXPECT_EQ(DateParse("", "13.09.2007"), 0);
  EXPECT_EQ(DateParse(Text(), Text()), 0);
}

TEST(Dates, TheEdgesOfThe32BitRange) {
  EXPECT_EQ(DateParse(kFullMask, "19.01.2038 03:14:07"), INT32_MAX);
  EXPECT_EQ(DateParse(kFullMask, "13.12.1901 20:45:52"), INT32_MIN);
  // Beyond them a date would wrap into another one: it is reported as invalid instead.
  EXPECT_EQ(DateParse(kFullMask, "19.01.2038 03:14:08"), -1);
  EXPECT_EQ(DateParse(kFullMask, "13.12.1901 20:45:51"), -1);
  EXPECT_EQ(DateParse(kMask, "01.01.9999"), -1);
  EXPECT_EQ(S(DateFormat(kFullMask, INT32_MIN)), "13.12.1901 20:45:52");
  EXPECT_EQ(S(DateFormat(kFullMask, -1)), "31.12.1969 23:59:59");
}

TEST(Dates, TokensAndDigitLimits) {
  EXPECT_EQ(DateParse("%DD.%MM.%YYYY", "13.09.2007"), Reference(2007, 9, 13));  // letters in either case
  EXPECT_EQ(DateParse("%dd%mm%yyyy", "13092007"), Reference(2007, 9, 13));      // two digits, then stop
  EXPECT_EQ(DateParse("%yyyy", "20071"), Reference(2007, 1, 1));
  EXPECT_EQ(DateParse("%dd.%mm.%yy", "13.09.07"), Reference(2007, 9, 13));
  EXPECT_EQ(DateParse("%dd.%mm.%yy", "13.09.70"), Reference(1970, 9, 13));
  EXPECT_EQ(DateParse("%dd.%mm.%yy", "13.09.37"), Reference(2037, 9, 13));
  // Defaults: parts not in the mask are 1 January 1970, midnight.
  EXPECT_EQ(DateParse("%mm", "03"), Reference(1970, 3, 1));
  EXPECT_EQ(DateParse("%ii", "5"), 300);
  // A "%" that starts no token skips one text character together with the character after it.
  EXPECT_EQ(DateParse("%x%dd", "?05"), Reference(1970, 1, 5));
  // "%%" is no token: it skips the x, and the letters after it are plain characters that skip 0 and 5.
  EXPECT_EQ(DateParse("%%dd", "x05"), 0);
  // Any other mask character skips exactly one text character, whatever it is.
  EXPECT_EQ(DateParse("%dd-%mm-%yyyy", "13.09.2007"), Reference(2007, 9, 13));
  EXPECT_EQ(DateParse("%dd..%mm", "1x.2"), Reference(1970, 2, 1));
}

TEST(Dates, FormatTokensAndLoosePercents) {
  const int32_t date = static_cast<int32_t>(Reference(2007, 9, 3, 4, 5, 6));
  EXPECT_EQ(S(DateFormat("%yyyy|%yy|%mm|%dd|%hh|%ii|%ss", date)), "2007|07|09|03|04|05|06");
  EXPECT_EQ(S(DateFormat("%YY%Dd", date)), "0703");
  EXPECT_EQ(S(DateFormat("100% %q %", date)), "100% %q %");
  EXPECT_EQ(S(DateFormat("%yyy", date)), "07y");
  EXPECT_EQ(S(DateFormat("", date)), "");
}

TEST(Dates, ArbitraryBytesNeverBreakTheParser) {
  std::mt19937 random(20070913);
  const char alphabet[] = "%dmyhisDMYHIS.:-0123456789 \xFF";
  for (int round = 0; round < 20000; ++round) {
    std::string mask, text;
    for (int i = random() % 12; i > 0; --i) mask += alphabet[random() % (sizeof alphabet - 1)];
    for (int i = random() % 16; i > 0; --i) text += static_cast<char>(1 + random() % 255);
    const int32_t date = DateParse(mask.c_str(), text.c_str());
    if (date == -1) continue;
    // Any accepted date is a real one: it survives a round trip through the full mask.
    ASSERT_EQ(DateParse(kFullMask, DateFormat(kFullMask, date)), date) << mask << " | " << text;
  }
}
