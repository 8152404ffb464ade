#pragma once
// a × b ÷ c as Windows' MulDiv computes it: a 64-bit product, rounded to the nearest integer with halves
// away from zero; -1 when c is 0 or the result does not fit in 32 bits.
#include <cstdint>

int32_t MulDivRound(int32_t a, int32_t b, int32_t c);
