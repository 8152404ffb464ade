#include <gtest/gtest.h>
#include <windows.h>

#include <set>
#include <vector>

#include "platform/colours.h"
#include "platform/graphics.h"
#include "platform/window_services.h"
#include "platform/last_error.h"
#include "setup/gradient_background.h"
#include "setup/gradient_geometry.h"

namespace {

constexpr int kWindow = 5;
constexpr int kOtherWindow = 6;
constexpr int kImage = 7;
const uint32_t kBlue = ColourOf(0, 153, 204);
const uint32_t kBlack = ColourOf(0, 0, 0);

// The pixels of a bitmap as packed colour values, row 0 at the top.
struct Pixels {
  int width = 0;
  int height = 0;
  std::vector<uint32_t> colours;
  uint32_t at(int x, int y) const { return colours[static_cast<size_t>(y) * width + x]; }
};

Pixels Read(HBITMAP bitmap) {
  Pixels pixels;
  BITMAP info{};
  if (!GetObjectA(bitmap, sizeof(info), &info)) return pixels;
  pixels.width = info.bmWidth;
  pixels.height = info.bmHeight;
  BITMAPINFO format{};
  format.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  format.bmiHeader.biWidth = info.bmWidth;
  format.bmiHeader.biHeight = -info.bmHeight;
  format.bmiHeader.biPlanes = 1;
  format.bmiHeader.biBitCount = 32;
  std::vector<uint32_t> bgra(static_cast<size_t>(info.bmWidth) * info.bmHeight);
  HDC screen = GetDC(nullptr);
  GetDIBits(screen, bitmap, 0, info.bmHeight, bgra.data(), &format, DIB_RGB_COLORS);
  ReleaseDC(nullptr, screen);
  for (uint32_t value : bgra)
    pixels.colours.push_back(ColourOf((value >> 16) & 0xFF, (value >> 8) & 0xFF, value & 0xFF));
  return pixels;
}

class Gradient : public testing::Test {
protected:
  static void SetUpTestSuite() {
    static bool started = false;
    if (!started) ServicesStart();
    started = true;
  }
  void OpenWindow(int number, int width, int height) {
    // A frameless popup: a captioned window could not be made narrower than its caption bar.
    ASSERT_NE(WindowOpen(number, 0, 0, width, height, "Verlauf", kWindowHidden | WS_POPUP, nullptr), 0);
    ASSERT_EQ(WindowInnerWidth(number), width);
    ASSERT_EQ(WindowInnerHeight(number), height);
  }
  void TearDown() override {
    WindowClose(kWindow);
    WindowClose(kOtherWindow);
  }
};

// 510 pixels in 255 bands: two each, every band one colour across the window. Direction 1 runs from left to
// right, every other value from top to bottom.
TEST_F(Gradient, BandsFromPaletteBlueToBlackInEitherDirection) {
  for (int32_t direction : {0, 7, -1, 1}) {
    const bool across = direction == 1;
    const int width = across ? 510 : 320;
    const int height = across ? 100 : 510;
    OpenWindow(kWindow, width, height);
    const HBITMAP bitmap = SetGradientBackground(kBlue, kBlack, 255, direction, kWindow, kImage);
    ASSERT_NE(bitmap, nullptr) << direction;
    EXPECT_EQ(bitmap, ImageHandle(kImage));
    EXPECT_EQ(LastErrorText(), Text(""));
    const Pixels pixels = Read(bitmap);
    ASSERT_EQ(pixels.width, width);
    ASSERT_EQ(pixels.height, height);
    // along: position in the gradient's direction; side: 0 or the far edge across it.
    const auto at = [&](int along, bool farSide) {
      const int side = farSide ? (across ? height : width) - 1 : 0;
      return across ? pixels.at(along, side) : pixels.at(side, along);
    };
    EXPECT_EQ(at(0, false), kBlue) << direction;
    EXPECT_EQ(at(1, true), kBlue) << direction;
    EXPECT_EQ(at(2, false), GradientBandColour(kBlue, kBlack, 1, 255)) << direction;
    EXPECT_EQ(at(507, true), GradientBandColour(kBlue, kBlack, 253, 255)) << direction;
    EXPECT_EQ(at(508, true), ColourOf(0, 1, 1)) << direction;
    EXPECT_EQ(at(509, false), ColourOf(0, 1, 1)) << direction;
    WindowClose(kWindow);
  }
}

TEST_F(Gradient, NarrowWindowGetsEveryPixelFromItsBand) {
  OpenWindow(kWindow, 100, 40);
  const uint32_t white = ColourOf(255, 255, 255);
  const Pixels pixels = Read(SetGradientBackground(kBlack, white, 255, 1, kWindow, kImage));
  ASSERT_EQ(pixels.width, 100);
  for (int32_t band = 0; band < 255; ++band) {
    const GradientSpan span = GradientBandSpan(band, 255, 100);
    for (int x = span.from; x < span.to; ++x) {
      EXPECT_EQ(pixels.at(x, 0), GradientBandColour(kBlack, white, band, 255)) << x;
      EXPECT_EQ(pixels.at(x, 39), pixels.at(x, 0)) << x;
    }
  }
}

TEST_F(Gradient, StepsAreClampedToTwoAndTwoHundredFiftyFive) {
  OpenWindow(kWindow, 50, 600);
  const uint32_t white = ColourOf(255, 255, 255);
  // One step paints two bands: the start colour, then halfway.
  Pixels pixels = Read(SetGradientBackground(kBlack, white, 1, 0, kWindow, kImage));
  EXPECT_EQ(pixels.at(0, 0), kBlack);
  EXPECT_EQ(pixels.at(0, 299), kBlack);
  EXPECT_EQ(pixels.at(0, 300), ColourOf(128, 128, 128));
  EXPECT_EQ(pixels.at(0, 599), ColourOf(128, 128, 128));
  // A thousand steps paint 255 bands, here each of its own colour.
  pixels = Read(SetGradientBackground(kBlack, white, 1000, 0, kWindow, kImage));
  std::set<uint32_t> colours;
  for (int y = 0; y < 600; ++y) colours.insert(pixels.at(0, y));
  EXPECT_EQ(colours.size(), 255u);
  EXPECT_EQ(pixels.at(0, 599), ColourOf(254, 254, 254));
}

TEST_F(Gradient, BecomesTheClassBackgroundAndReplacesThePreviousBrush) {
  OpenWindow(kWindow, 80, 60);
  const HWND window = WindowHandle(kWindow);
  ASSERT_NE(SetGradientBackground(kBlue, kBlack, 255, 0, kWindow, kImage), nullptr);
  const auto first = reinterpret_cast<HGDIOBJ>(GetClassLongPtrA(window, GCLP_HBRBACKGROUND));
  EXPECT_EQ(GetObjectType(first), static_cast<DWORD>(OBJ_BRUSH));
  ASSERT_NE(SetGradientBackground(kBlack, kBlue, 255, 0, kWindow, kImage), nullptr);
  const auto second = reinterpret_cast<HGDIOBJ>(GetClassLongPtrA(window, GCLP_HBRBACKGROUND));
  EXPECT_NE(second, first);
  EXPECT_EQ(GetObjectType(second), static_cast<DWORD>(OBJ_BRUSH));
  EXPECT_EQ(GetObjectType(first), 0u) << "the previous brush is freed";
  // A gradient for another window frees this one's brush and gives it back its plain background.
  OpenWindow(kOtherWindow, 80, 60);
  ASSERT_NE(SetGradientBackground(kBlue, kBlack, 255, 0, kOtherWindow, kImage), nullptr);
  EXPECT_EQ(GetObjectType(second), 0u);
  EXPECT_EQ(GetClassLongPtrA(window, GCLP_HBRBACKGROUND), static_cast<ULONG_PTR>(COLOR_BTNFACE + 1));
}

TEST_F(Gradient, BrushOfAClosedWindowIsFreedByTheNextGradient) {
  OpenWindow(kWindow, 80, 60);
  ASSERT_NE(SetGradientBackground(kBlue, kBlack, 255, 0, kWindow, kImage), nullptr);
  const auto brush = reinterpret_cast<HGDIOBJ>(GetClassLongPtrA(WindowHandle(kWindow), GCLP_HBRBACKGROUND));
  WindowClose(kWindow);
  EXPECT_EQ(GetObjectType(brush), static_cast<DWORD>(OBJ_BRUSH)) << "closing the window leaves the brush";
  OpenWindow(kOtherWindow, 80, 60);
  ASSERT_NE(SetGradientBackground(kBlue, kBlack, 255, 0, kOtherWindow, kImage), nullptr);
  EXPECT_EQ(GetObjectType(brush), 0u);
}

TEST_F(Gradient, FailuresReturnZeroWithTheErrorText) {
  OpenWindow(kWindow, 80, 60);
  ASSERT_NE(SetGradientBackground(kBlue, kBlack, 255, 0, kWindow, kImage), nullptr);
  const ULONG_PTR brush = GetClassLongPtrA(WindowHandle(kWindow), GCLP_HBRBACKGROUND);
  EXPECT_EQ(SetGradientBackground(kBlue, kBlack, 255, 0, -1, kImage), nullptr);
  EXPECT_EQ(LastErrorText(), Text("ERROR, can´t create gradient"));
  EXPECT_EQ(SetGradientBackground(kBlue, kBlack, 255, 0, kWindow, -3), nullptr);
  EXPECT_EQ(LastErrorText(), Text("ERROR, can´t create gradient"));
  // A window number without a window has no size to paint.
  EXPECT_EQ(SetGradientBackground(kBlue, kBlack, 255, 0, 77, kImage), nullptr);
  EXPECT_EQ(LastErrorText(), Text("ERROR, can´t create gradient"));
  // The window keeps its background through the failures.
  EXPECT_EQ(GetClassLongPtrA(WindowHandle(kWindow), GCLP_HBRBACKGROUND), brush);
  EXPECT_EQ(GetObjectType(reinterpret_cast<HGDIOBJ>(brush)), static_cast<DWORD>(OBJ_BRUSH));
  ASSERT_NE(SetGradientBackground(kBlue, kBlack, 255, 0, kWindow, kImage), nullptr);
  EXPECT_EQ(LastErrorText(), Text(""));
}

}  // namespace
