#pragma once
// Where a layer window opens and with which styles: pure rules, kept apart from the Windows calls.
#include <cstdint>

constexpr uint32_t kStyleCaption = 0xC00000;   // WS_CAPTION
constexpr uint32_t kStyleMaximize = 0x1000000; // WS_MAXIMIZE

struct ScreenArea {
  int x;
  int y;
  int width;
  int height;
};

struct WindowPlacement {
  int x;
  int y;
  int width;  // outer size
  int height;
  bool defaultPosition;  // leave the position to Windows
};

// The window styles for the flags of WindowOpen: the layer bits removed, a caption added when the flags
// ask for nothing besides the layer bits.
uint32_t WindowStyleFromFlags(uint32_t flags);

// The outer position and size. Centring on the screen (bit 1) first cuts the size to the screen; centring
// over an area (bit 2) keeps both coordinates at 0 or above. Bit 1 wins when both are set. Without centring,
// an x or y of -65535 leaves the position to Windows: Windows cannot choose y alone (it would place the window
// at y = -2^31), so it then chooses both.
WindowPlacement PlaceWindow(uint32_t flags, int x, int y, int outerWidth, int outerHeight, ScreenArea screen,
                            ScreenArea centreOver);
