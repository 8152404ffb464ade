#pragma once
// The gradient that fills a window's background. It reports failures through the program's last-error text.
#include <windows.h>

#include <cstdint>

// Paints steps bands (clamped into 2..255) from startColour towards endColour into image targetImage, sized
// like targetWindow's client area, and makes that picture the window's background. direction 1 runs from left
// to right, any other value from top to bottom. Returns the image's bitmap, or 0 with an error text.
HBITMAP SetGradientBackground(uint32_t startColour, uint32_t endColour, int32_t steps, int32_t direction,
                              int32_t targetWindow, int32_t targetImage);
