// Band limits and colours both use MulDiv rounding, so the bands tile the extent without gaps or overlaps.
#include "setup/gradient_geometry.h"

#include "platform/colours.h"

namespace {
constexpr int32_t kMinSteps = 2;
constexpr int32_t kMaxSteps = 255;

int32_t ComponentAt(uint32_t start, uint32_t end, int32_t index, int32_t steps) {
  const int32_t from = static_cast<int32_t>(start);
  return from + MulDivRounded(index, static_cast<int32_t>(end) - from, steps);
}
}  // namespace

int32_t MulDivRounded(int32_t a, int32_t b, int32_t c) {
  if (c == 0) return -1;
  int64_t product = static_cast<int64_t>(a) * b;
  int64_t divisor = c;
  if (divisor < 0) {
    product = -product;
    divisor = -divisor;
  }
  const int64_t half = divisor / 2;
  const int64_t result = product < 0 ? (product - half) / divisor : (product + half) / divisor;
  if (result > INT32_MAX || result < -INT32_MAX) return -1;
  return static_cast<int32_t>(result);
}

int32_t ClampGradientSteps(int32_t steps) {
  if (steps < kMinSteps) return kMinSteps;
  return steps > kMaxSteps ? kMaxSteps : steps;
}

GradientSpan GradientBandSpan(int32_t index, int32_t steps, int32_t extent) {
  return {MulDivRounded(index, extent, steps), MulDivRounded(index + 1, extent, steps)};
}

uint32_t GradientBandColour(uint32_t startColour, uint32_t endColour, int32_t index, int32_t steps) {
  const int32_t red = ComponentAt(RedOf(startColour), RedOf(endColour), index, steps);
  const int32_t green = ComponentAt(GreenOf(startColour), GreenOf(endColour), index, steps);
  const int32_t blue = ComponentAt(BlueOf(startColour), BlueOf(endColour), index, steps);
  return ColourOf(static_cast<uint32_t>(red), static_cast<uint32_t>(green), static_cast<uint32_t>(blue));
}
