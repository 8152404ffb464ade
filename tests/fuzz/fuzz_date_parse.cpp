// Date parsing on arbitrary text and masks: never crashes, and a valid date formats and parses back to itself.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "platform/dates.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const Text input(reinterpret_cast<const char*>(data), static_cast<int>(size));
  const Text mask("%dd.%mm.%yyyy");
  const int32_t date = DateParse(mask, input);
  if (date > 0 && DateParse(mask, DateFormat(mask, date)) != date - date % 86400) std::abort();
  // The first bytes up to a blank serve as a mask of their own.
  int cut = TextFind(input, " ");
  if (cut > 0) DateParse(TextLeft(input, cut - 1), TextMid(input, cut + 1, 1 << 20));
  return 0;
}
