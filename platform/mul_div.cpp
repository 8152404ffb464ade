#include "platform/mul_div.h"

int32_t MulDivRound(int32_t a, int32_t b, int32_t c) {
  if (c == 0) return -1;
  int64_t product = static_cast<int64_t>(a) * b;
  int64_t divisor = c;
  if (divisor < 0) {
    product = -product;
    divisor = -divisor;
  }
  // Truncating division plus half the divisor on the side of the result's sign rounds halves away from zero.
  const int64_t half = divisor / 2;
  const int64_t result = (product >= 0 ? product + half : product - half) / divisor;
  if (result > INT32_MAX || result < INT32_MIN) return -1;
  return static_cast<int32_t>(result);
}
