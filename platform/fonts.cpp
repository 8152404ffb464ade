// Numbered fonts, sized in points for the display's vertical resolution.
#include <windows.h>

#include "platform/graphics.h"
#include "platform/graphics_internal.h"
#include "platform/mul_div.h"
#include "platform/object_table.h"

namespace {

struct Font {
  HFONT handle;
};

ObjectTable<Font> fonts;

void FontFree(int number) {
  Font* font = fonts.Find(number);
  if (!font) return;
  DrawingReleaseFont(font->handle);
  DeleteObject(font->handle);
  fonts.Remove(number);
}

int DisplayPixelsPerInch() {
  HDC screen = GetDC(nullptr);
  if (!screen) return 0;
  const int pixels = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  return pixels;
}

}  // namespace

intptr_t FontLoad(int number, const Text& faceName, int size, uint32_t flags) {
  if (number < kFreshNumber) return 0;
  FontFree(number);
  const int pixelsPerInch = DisplayPixelsPerInch();
  if (pixelsPerInch <= 0) return 0;
  HFONT handle = CreateFontA(-MulDivRound(size, pixelsPerInch, 72), 0, 0, 0,
                             (flags & kFontBold) ? FW_BOLD : FW_NORMAL, (flags & kFontItalic) != 0,
                             (flags & kFontUnderline) != 0, (flags & kFontStrikeOut) != 0, DEFAULT_CHARSET,
                             OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                             (flags & kFontHighQuality) ? PROOF_QUALITY : DEFAULT_QUALITY,
                             DEFAULT_PITCH | FF_DONTCARE, faceName.c_str());
  if (!handle) return 0;
  int assigned = number;
  Font* font = fonts.Add(number, &assigned);
  if (!font) {
    DeleteObject(handle);
    return 0;
  }
  font->handle = handle;
  return number == kFreshNumber ? assigned : reinterpret_cast<intptr_t>(handle);
}

HFONT FontHandle(int number) {
  const Font* font = fonts.Find(number);
  return font ? font->handle : nullptr;
}

void FontFreeAll() {
  while (fonts.Count() > 0) FontFree(fonts.NumberAt(0));
}
