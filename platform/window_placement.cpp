#include "platform/window_placement.h"

#include "platform/window_flags.h"

uint32_t WindowStyleFromFlags(uint32_t flags) {
  const uint32_t layerBits = kWindowCentreScreen | kWindowCentreParent | kWindowHidden;
  uint32_t style = flags & ~layerBits;
  if (style == 0) style = kStyleCaption;
  return style;
}

namespace {

int Centred(int start, int areaSize, int size) { return start + (areaSize - size) / 2; }

}  // namespace

WindowPlacement PlaceWindow(uint32_t flags, int x, int y, int outerWidth, int outerHeight, ScreenArea screen,
                            ScreenArea centreOver) {
  WindowPlacement placement{x, y, outerWidth, outerHeight, false};
  if (flags & kWindowCentreScreen) {
    if (placement.width > screen.width) placement.width = screen.width;
    if (placement.height > screen.height) placement.height = screen.height;
    placement.x = Centred(screen.x, screen.width, placement.width);
    placement.y = Centred(screen.y, screen.height, placement.height);
  } else if (flags & kWindowCentreParent) {
    placement.x = Centred(centreOver.x, centreOver.width, outerWidth);
    placement.y = Centred(centreOver.y, centreOver.height, outerHeight);
    if (placement.x < 0) placement.x = 0;
    if (placement.y < 0) placement.y = 0;
  } else {
    placement.defaultPosition = x == kKeepValue || y == kKeepValue;
  }
  return placement;
}
