#include "setup/font_scaling.h"

#include <cmath>

namespace {
constexpr float kReferenceDpi = 96.0f;

// Nearest integer, halves to the even neighbour, independent of the floating-point unit's rounding mode.
int32_t RoundHalfEven(float value) {
  const float below = std::floor(value);
  const float fraction = value - below;
  int64_t whole = static_cast<int64_t>(below);
  if (fraction > 0.5f || (fraction == 0.5f && whole % 2 != 0)) ++whole;
  return static_cast<int32_t>(whole);
}
}  // namespace

int32_t ScaledFontSize(int32_t baseSize, int32_t dpi) {
  if (dpi < 1) return baseSize;
  // Stored through volatile so that the x87 unit of the 32-bit build rounds to single precision as well.
  volatile float factor = kReferenceDpi / static_cast<float>(dpi);
  volatile float product = factor * static_cast<float>(baseSize);
  return RoundHalfEven(product);
}
