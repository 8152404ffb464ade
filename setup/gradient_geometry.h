#pragma once
// Where each band of the gradient lies and which colour it has.
#include <cstdint>

// The number of bands actually painted: steps clamped into 2..255.
int32_t ClampGradientSteps(int32_t steps);

// Band i of steps covers the pixels from..to-1 along an extent; a band may be empty.
struct GradientSpan {
  int32_t from;
  int32_t to;
};
GradientSpan GradientBandSpan(int32_t index, int32_t steps, int32_t extent);

// The colour of band i: start + i / steps of the way towards end, per component (packed colour values).
uint32_t GradientBandColour(uint32_t startColour, uint32_t endColour, int32_t index, int32_t steps);
