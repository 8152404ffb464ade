// Band limits and colours both use MulDiv rounding, so the bands tile the extent without gaps or overlaps.
#include "setup/gradient_geometry.h"

#include "platform/colours.h"
#include "platform/mul_div.h"

namespace {
constexpr int32_t kMinSteps = 2;
constexpr int32_t kMaxSteps = 255;

int32_t ComponentAt(uint32_t start, uint32_t end, int32_t index, int32_t steps) {
  const int32_t from = static_cast<int32_t>(start);
  return from + MulDivRound(index, static_cast<int32_t>(end) - from, steps);
}
}  // namespace

int32_t ClampGradientSteps(int32_t steps) {
  if (steps < kMinSteps) return kMinSteps;
  return steps > kMaxSteps ? kMaxSteps : steps;
}

GradientSpan GradientBandSpan(int32_t index, int32_t steps, int32_t extent) {
  return {MulDivRound(index, extent, steps), MulDivRound(index + 1, extent, steps)};
}

uint32_t GradientBandColour(uint32_t startColour, uint32_t endColour, int32_t index, int32_t steps) {
  const int32_t red = ComponentAt(RedOf(startColour), RedOf(endColour), index, steps);
  const int32_t green = ComponentAt(GreenOf(startColour), GreenOf(endColour), index, steps);
  const int32_t blue = ComponentAt(BlueOf(startColour), BlueOf(endColour), index, steps);
  return ColourOf(static_cast<uint32_t>(red), static_cast<uint32_t>(green), static_cast<uint32_t>(blue));
}
