#include "platform/mul_div.h"

namespace {

// The quotient of two magnitudes by long division, one bit at a time: the 32-bit build would otherwise take the
// C runtime's 64-bit division, 320 bytes of the exe for this one caller. The quotient bits are shifted in where
// the dividend's bits leave.
uint64_t Quotient(uint64_t dividend, uint64_t divisor) {
  uint64_t remainder = 0;
  for (int bit = 0; bit < 64; ++bit) {
    remainder = (remainder << 1) | (dividend >> 63);
    dividend <<= 1;
    if (remainder >= divisor) {
      remainder -= divisor;
      dividend |= 1;
    }
  }
  return dividend;
}

}  // namespace

int32_t MulDivRound(int32_t a, int32_t b, int32_t c) {
  if (c == 0) return -1;
  const int64_t product = static_cast<int64_t>(a) * b;
  const bool negative = (product < 0) != (c < 0);
  const uint64_t magnitude = product < 0 ? 0 - static_cast<uint64_t>(product) : static_cast<uint64_t>(product);
  const uint64_t divisor = c < 0 ? 0 - static_cast<uint64_t>(c) : static_cast<uint64_t>(c);
  // Half the divisor added to the magnitude rounds halves away from zero.
  const uint64_t quotient = Quotient(magnitude + divisor / 2, divisor);
  if (quotient > (negative ? uint64_t{1} << 31 : INT32_MAX)) return -1;
  return static_cast<int32_t>(negative ? 0 - quotient : quotient);
}
