// The gradient is drawn once into an image and installed as the window class's pattern brush, so Windows
// repaints it on every erase without help from the program.
#include "setup/gradient_background.h"

#include "platform/graphics.h"
#include "platform/last_error.h"
#include "platform/scoped_resources.h"
#include "platform/window_services.h"
#include "setup/gradient_geometry.h"

namespace {

constexpr char kGradientError[] = "ERROR, can´t create gradient";

// At most one gradient brush exists at a time; each new gradient frees the previous one. The holder is the
// window whose class shows it. The window layer gives a closing window's class its plain background back before
// the class goes, so the brush is never deleted along with the class: it is always still ours to delete.
ScopedGdiObject<HBRUSH> gGradientBrush;
HWND gGradientHolder = nullptr;

void ReleasePreviousBrush(HWND newHolder) {
  if (!gGradientBrush) return;
  const bool shownElsewhere = gGradientHolder != newHolder && IsWindow(gGradientHolder) &&
                              GetClassLongPtrA(gGradientHolder, GCLP_HBRBACKGROUND) ==
                                  reinterpret_cast<ULONG_PTR>(gGradientBrush.get());
  if (shownElsewhere)
    SetClassLongPtrA(gGradientHolder, GCLP_HBRBACKGROUND, static_cast<LONG_PTR>(COLOR_BTNFACE + 1));
  gGradientBrush.Reset();
  gGradientHolder = nullptr;
}

HBITMAP GradientFailed() {
  SetLastErrorText(kGradientError);
  return nullptr;
}

void PaintBands(uint32_t startColour, uint32_t endColour, int32_t steps, int32_t direction, int width,
                int height) {
  for (int32_t i = 0; i < steps; ++i) {
    const uint32_t colour = GradientBandColour(startColour, endColour, i, steps);
    if (direction == 1) {
      const GradientSpan span = GradientBandSpan(i, steps, width);
      if (span.to > span.from) DrawBox(span.from, 0, span.to - span.from, height, colour);
    } else {
      const GradientSpan span = GradientBandSpan(i, steps, height);
      if (span.to > span.from) DrawBox(0, span.from, width, span.to - span.from, colour);
    }
  }
}

}  // namespace

HBITMAP SetGradientBackground(uint32_t startColour, uint32_t endColour, int32_t steps, int32_t direction,
                              int32_t targetWindow, int32_t targetImage) {
  SetLastErrorText("");
  steps = ClampGradientSteps(steps);
  if (targetImage < 0 || targetWindow < 0) return GradientFailed();
  const int width = WindowInnerWidth(targetWindow);
  const int height = WindowInnerHeight(targetWindow);
  if (!ImageCreate(targetImage, width, height) || !DrawBegin(ImageDrawTarget(targetImage))) return GradientFailed();
  PaintBands(startColour, endColour, steps, direction, width, height);
  DrawEnd();

  const HBITMAP bitmap = ImageHandle(targetImage);
  ScopedGdiObject<HBRUSH> brush(bitmap ? CreatePatternBrush(bitmap) : nullptr);
  if (!brush) return GradientFailed();
  // The previous brush goes only once the new one exists: a failure keeps the window's old background.
  const HWND window = WindowHandle(targetWindow);
  ReleasePreviousBrush(window);
  SetClassLongPtrA(window, GCLP_HBRBACKGROUND, reinterpret_cast<LONG_PTR>(brush.get()));
  gGradientBrush = std::move(brush);
  gGradientHolder = window;
  InvalidateRect(window, nullptr, TRUE);
  return bitmap;
}
