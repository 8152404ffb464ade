// Drawing into images: one drawing at a time, on a memory device context that holds the image's bitmap.
#include <windows.h>

#include <utility>

#include "platform/colours.h"
#include "platform/graphics.h"
#include "platform/graphics_internal.h"
#include "platform/scoped_resources.h"

namespace {

// The font handle that stands for the system font.
constexpr intptr_t kSystemFontHandle = -1;
constexpr int kModeTransparent = 1;
constexpr int kModeExclusiveOr = 2;
constexpr int kModeOutlines = 4;

struct Drawing {
  ScopedMemoryDc dc;
  // Members end in reverse order: the selections are restored before the context is deleted.
  ScopedSelection bitmap;
  ScopedSelection font;
  ScopedSelection pen;
  ScopedSelection brush;
  HBITMAP target = nullptr;
  int mode = 0;
};

Drawing gDrawing;

}  // namespace

HDC DrawBegin(intptr_t target) {
  HBITMAP bitmap = reinterpret_cast<HBITMAP>(target);
  if (!bitmap || !ImageHolds(bitmap)) return nullptr;
  DrawEnd();
  ScopedMemoryDc owned(CreateCompatibleDC(nullptr));
  const HDC dc = owned.get();
  ScopedSelection selected(dc, bitmap);
  if (!selected) return nullptr;
  gDrawing.dc = std::move(owned);
  gDrawing.bitmap = std::move(selected);
  gDrawing.font = ScopedSelection(dc, GetStockObject(SYSTEM_FONT));
  gDrawing.pen = ScopedSelection(dc, GetStockObject(BLACK_PEN));
  gDrawing.brush = ScopedSelection(dc, GetStockObject(BLACK_BRUSH));
  gDrawing.target = bitmap;
  gDrawing.mode = 0;
  SetTextAlign(dc, TA_UPDATECP);
  SetTextColor(dc, RGB(0, 0, 0));
  SetBkColor(dc, RGB(255, 255, 255));
  SetBkMode(dc, OPAQUE);
  SetROP2(dc, R2_COPYPEN);
  return dc;
}

void DrawEnd() {
  // Taken out, the drawing ends as it goes out of scope: its owners restore the selections, delete the context.
  const Drawing ended = std::move(gDrawing);
  gDrawing.target = nullptr;
}

void DrawFont(intptr_t fontHandle) {
  if (!gDrawing.dc) return;
  HGDIOBJ font = fontHandle == kSystemFontHandle ? GetStockObject(SYSTEM_FONT) : reinterpret_cast<HGDIOBJ>(fontHandle);
  if (GetObjectType(font) == OBJ_FONT) SelectObject(gDrawing.dc.get(), font);
}

void DrawMode(int mode) {
  if (!gDrawing.dc) return;
  gDrawing.mode = mode;
  SetBkMode(gDrawing.dc.get(), (mode & kModeTransparent) ? TRANSPARENT : OPAQUE);
  SetROP2(gDrawing.dc.get(), (mode & kModeExclusiveOr) ? R2_XORPEN : R2_COPYPEN);
}

int DrawTextAt(int x, int y, TextView text, uint32_t colour) {
  if (!gDrawing.dc) return x;
  SetTextColor(gDrawing.dc.get(), ColourRgb(colour));
  MoveToEx(gDrawing.dc.get(), x, y, nullptr);
  TextOutA(gDrawing.dc.get(), 0, 0, text.c_str(), text.length());
  POINT end;
  return GetCurrentPositionEx(gDrawing.dc.get(), &end) ? end.x : x;
}

void DrawBox(int x, int y, int width, int height, uint32_t colour) {
  if (!gDrawing.dc) return;
  if (width < 0) {
    x += width;
    width = -width;
  }
  if (height < 0) {
    y += height;
    height = -height;
  }
  if (width == 0 || height == 0) return;
  const ScopedGdiObject<HBRUSH> brush(CreateSolidBrush(ColourRgb(colour)));
  const ScopedSelection selected(gDrawing.dc.get(), brush.get());
  if (!selected) return;
  // Pattern blits cover exactly width × height pixels, so a 1 × 1 box is one pixel.
  const DWORD operation = (gDrawing.mode & kModeExclusiveOr) ? PATINVERT : PATCOPY;
  const HDC dc = gDrawing.dc.get();
  if (gDrawing.mode & kModeOutlines) {
    // Four strips that never overlap, so that exclusive-or outlines have no doubled corners.
    PatBlt(dc, x, y, width, 1, operation);
    if (height > 1) PatBlt(dc, x, y + height - 1, width, 1, operation);
    if (height > 2) {
      PatBlt(dc, x, y + 1, 1, height - 2, operation);
      if (width > 1) PatBlt(dc, x + width - 1, y + 1, 1, height - 2, operation);
    }
  } else {
    PatBlt(dc, x, y, width, height, operation);
  }
}

HDC DrawingContextOf(HBITMAP bitmap) { return gDrawing.dc && gDrawing.target == bitmap ? gDrawing.dc.get() : nullptr; }

void DrawingRelease(HBITMAP bitmap) {
  if (gDrawing.dc && gDrawing.target == bitmap) DrawEnd();
}

void DrawingReleaseFont(HFONT font) {
  if (gDrawing.dc && GetCurrentObject(gDrawing.dc.get(), OBJ_FONT) == font)
    SelectObject(gDrawing.dc.get(), GetStockObject(SYSTEM_FONT));
}
