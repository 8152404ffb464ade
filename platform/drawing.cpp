// Drawing into images: one drawing at a time, on a memory device context that holds the image's bitmap.
#include <windows.h>

#include "platform/colours.h"
#include "platform/graphics.h"
#include "platform/graphics_internal.h"

namespace {

constexpr int kModeTransparent = 1;
constexpr int kModeExclusiveOr = 2;
constexpr int kModeOutlines = 4;

struct Drawing {
  HDC dc;
  HBITMAP bitmap;
  HGDIOBJ previousBitmap;
  HGDIOBJ previousFont;
  HGDIOBJ previousPen;
  HGDIOBJ previousBrush;
  int mode;
};

Drawing drawing;

}  // namespace

HDC DrawBegin(intptr_t target) {
  HBITMAP bitmap = reinterpret_cast<HBITMAP>(target);
  if (!bitmap || !ImageHolds(bitmap)) return nullptr;
  DrawEnd();
  HDC dc = CreateCompatibleDC(nullptr);
  if (!dc) return nullptr;
  HGDIOBJ previousBitmap = SelectObject(dc, bitmap);
  if (!previousBitmap) {
    DeleteDC(dc);
    return nullptr;
  }
  drawing.dc = dc;
  drawing.bitmap = bitmap;
  drawing.previousBitmap = previousBitmap;
  drawing.previousFont = SelectObject(dc, GetStockObject(SYSTEM_FONT));
  drawing.previousPen = SelectObject(dc, GetStockObject(BLACK_PEN));
  drawing.previousBrush = SelectObject(dc, GetStockObject(BLACK_BRUSH));
  drawing.mode = 0;
  SetTextAlign(dc, TA_UPDATECP);
  SetTextColor(dc, RGB(0, 0, 0));
  SetBkColor(dc, RGB(255, 255, 255));
  SetBkMode(dc, OPAQUE);
  SetROP2(dc, R2_COPYPEN);
  return dc;
}

void DrawEnd() {
  if (!drawing.dc) return;
  SelectObject(drawing.dc, drawing.previousBrush);
  SelectObject(drawing.dc, drawing.previousPen);
  SelectObject(drawing.dc, drawing.previousFont);
  SelectObject(drawing.dc, drawing.previousBitmap);
  DeleteDC(drawing.dc);
  drawing = Drawing{};
}

void DrawFont(intptr_t fontHandle) {
  if (!drawing.dc) return;
  HGDIOBJ font = fontHandle == -1 ? GetStockObject(SYSTEM_FONT) : reinterpret_cast<HGDIOBJ>(fontHandle);
  if (GetObjectType(font) == OBJ_FONT) SelectObject(drawing.dc, font);
}

void DrawMode(int mode) {
  if (!drawing.dc) return;
  drawing.mode = mode;
  SetBkMode(drawing.dc, (mode & kModeTransparent) ? TRANSPARENT : OPAQUE);
  SetROP2(drawing.dc, (mode & kModeExclusiveOr) ? R2_XORPEN : R2_COPYPEN);
}

int DrawTextAt(int x, int y, const Text& text, uint32_t colour) {
  if (!drawing.dc) return x;
  SetTextColor(drawing.dc, ColourRgb(colour));
  MoveToEx(drawing.dc, x, y, nullptr);
  TextOutA(drawing.dc, 0, 0, text.c_str(), text.length());
  POINT end;
  return GetCurrentPositionEx(drawing.dc, &end) ? end.x : x;
}

void DrawBox(int x, int y, int width, int height, uint32_t colour) {
  if (!drawing.dc) return;
  if (width < 0) {
    x += width;
    width = -width;
  }
  if (height < 0) {
    y += height;
    height = -height;
  }
  if (width == 0 || height == 0) return;
  HBRUSH brush = CreateSolidBrush(ColourRgb(colour));
  if (!brush) return;
  HGDIOBJ previous = SelectObject(drawing.dc, brush);
  // Pattern blits cover exactly width × height pixels, so a 1 × 1 box is one pixel.
  const DWORD operation = (drawing.mode & kModeExclusiveOr) ? PATINVERT : PATCOPY;
  HDC dc = drawing.dc;
  if (drawing.mode & kModeOutlines) {
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
  SelectObject(dc, previous);
  DeleteObject(brush);
}

HDC DrawingContextOf(HBITMAP bitmap) { return drawing.dc && drawing.bitmap == bitmap ? drawing.dc : nullptr; }

void DrawingRelease(HBITMAP bitmap) {
  if (drawing.dc && drawing.bitmap == bitmap) DrawEnd();
}

void DrawingReleaseFont(HFONT font) {
  if (drawing.dc && GetCurrentObject(drawing.dc, OBJ_FONT) == font)
    SelectObject(drawing.dc, GetStockObject(SYSTEM_FONT));
}
