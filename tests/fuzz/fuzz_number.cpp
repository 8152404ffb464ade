// Text to number on arbitrary bytes: never crashes, and a number's own text always reads back as that number.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "platform/text.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const Text input(reinterpret_cast<const char*>(data), static_cast<int>(size));
  const int32_t value = TextToNumber(input);
  if (TextToNumber(NumberToText(value)) != value) std::abort();
  return 0;
}
