// Dates as seconds since 1 January 1970 on the local clock. The civil-date arithmetic is done here rather than
// through the C runtime, so no time zone or daylight saving shifts a value and every build agrees.
#include <cstdint>

#include "platform/dates.h"

namespace {

enum class Part { year, shortYear, month, day, hour, minute, second };

struct Token {
  const char* letters;  // lower case; the mask may use either case
  int length;
  Part part;
};

// The four-letter year comes before the two-letter one, so that "%yyyy" is not read as "%yy" + "yy".
constexpr Token kTokens[] = {
    {"yyyy", 4, Part::year},  {"yy", 2, Part::shortYear}, {"mm", 2, Part::month},  {"dd", 2, Part::day},
    {"hh", 2, Part::hour},    {"ii", 2, Part::minute},    {"ss", 2, Part::second},
};

constexpr int32_t kSecondsPerDay = 86400;

char Lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; }

// The token whose letters follow the "%" at mask[0], or null.
const Token* TokenAt(const char* mask) {
  if (mask[0] != '%') return nullptr;
  for (const Token& token : kTokens) {
    int i = 0;
    while (i < token.length && Lower(mask[1 + i]) == token.letters[i]) ++i;
    if (i == token.length) return &token;
  }
  return nullptr;
}

struct Civil {
  int year = 1970;
  int month = 1;
  int day = 1;
  int hour = 0;
  int minute = 0;
  int second = 0;
};

bool IsLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

// Days from 1 January 1970 to the given date of the proleptic Gregorian calendar. Years of up to four digits and
// every day a 32-bit count of seconds reaches keep all values far inside 32 bits, where the 32-bit build divides
// without runtime helpers.
int DaysFromCivil(int year, int month, int day) {
  year -= month <= 2;
  const int era = (year >= 0 ? year : year - 399) / 400;
  const int yearOfEra = year - era * 400;
  const int dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
  const int dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
  return era * 146097 + dayOfEra - 719468;
}

Civil CivilFromSeconds(int32_t date) {
  int days = date / kSecondsPerDay;
  int rest = date % kSecondsPerDay;
  if (rest < 0) {  // dates before 1970 count back from midnight of the day before
    rest += kSecondsPerDay;
    --days;
  }
  Civil civil;
  civil.hour = rest / 3600;
  civil.minute = rest / 60 % 60;
  civil.second = rest % 60;
  days += 719468;
  const int era = (days >= 0 ? days : days - 146096) / 146097;
  const int dayOfEra = days - era * 146097;
  const int yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
  const int dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
  const int shifted = (5 * dayOfYear + 2) / 153;
  civil.day = dayOfYear - (153 * shifted + 2) / 5 + 1;
  civil.month = shifted < 10 ? shifted + 3 : shifted - 9;
  civil.year = yearOfEra + era * 400 + (civil.month <= 2);
  return civil;
}

bool IsValid(const Civil& c) {
  if (c.year <= 0 || c.month < 1 || c.month > 12 || c.day < 1 || c.day > 31) return false;
  if (c.day == 31 && (c.month == 4 || c.month == 6 || c.month == 9 || c.month == 11)) return false;
  if (c.month == 2 && (c.day > 29 || (c.day == 29 && !IsLeapYear(c.year)))) return false;
  return c.hour >= 0 && c.hour <= 23 && c.minute >= 0 && c.minute <= 59 && c.second >= 0 && c.second <= 59;
}

void AppendDigits(Text& out, int value, int width) {
  char digits[4];
  for (int i = width - 1; i >= 0; --i, value /= 10) digits[i] = static_cast<char>('0' + value % 10);
  out.append(digits, width);
}

}  // namespace

Text DateFormat(TextView mask, int32_t date) {
  const Civil civil = CivilFromSeconds(date);
  const char* m = mask.c_str();
  Text out;
  while (*m) {
    const Token* token = TokenAt(m);
    if (!token) {
      out += *m++;
      continue;
    }
    switch (token->part) {
      case Part::year: AppendDigits(out, civil.year, 4); break;
      case Part::shortYear: AppendDigits(out, civil.year % 100, 2); break;
      case Part::month: AppendDigits(out, civil.month, 2); break;
      case Part::day: AppendDigits(out, civil.day, 2); break;
      case Part::hour: AppendDigits(out, civil.hour, 2); break;
      case Part::minute: AppendDigits(out, civil.minute, 2); break;
      case Part::second: AppendDigits(out, civil.second, 2); break;
    }
    m += 1 + token->length;
  }
  return out;
}

int32_t DateParse(TextView mask, TextView text) {
  if (mask.empty() || text.empty()) return 0;
  const char* m = mask.c_str();
  const char* t = text.c_str();
  Civil civil;
  while (*m) {
    const Token* token = TokenAt(m);
    if (!token) {
      // A plain character, or a "%" together with the character after it, stands for one character of text.
      m += (m[0] == '%' && m[1]) ? 2 : 1;
      if (*t) ++t;
      continue;
    }
    m += 1 + token->length;
    const int maxDigits = token->part == Part::year ? 4 : 2;
    int value = 0;
    for (int i = 0; i < maxDigits && *t >= '0' && *t <= '9'; ++i) value = value * 10 + (*t++ - '0');
    switch (token->part) {
      case Part::year: civil.year = value; break;
      case Part::shortYear: civil.year = value < 70 ? 2000 + value : 1900 + value; break;
      case Part::month: civil.month = value; break;
      case Part::day: civil.day = value; break;
      case Part::hour: civil.hour = value; break;
      case Part::minute: civil.minute = value; break;
      case Part::second: civil.second = value; break;
    }
  }
  if (!IsValid(civil)) return -1;
  const int64_t days = DaysFromCivil(civil.year, civil.month, civil.day);
  const int64_t seconds = days * kSecondsPerDay + civil.hour * 3600 + civil.minute * 60 + civil.second;
  // A date that a signed 32-bit count cannot hold is reported as invalid rather than wrapped into another date.
  if (seconds < INT32_MIN || seconds > INT32_MAX) return -1;
  return static_cast<int32_t>(seconds);
}
