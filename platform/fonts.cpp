// Numbered fonts, sized in points for the display's vertical resolution.
#include <windows.h>

#include <utility>

#include "platform/graphics.h"
#include "platform/graphics_internal.h"
#include "platform/mul_div.h"
#include "platform/object_table.h"
#include "platform/scoped_resources.h"

namespace {

struct Font {
  ScopedGdiObject<HFONT> handle;
};

ObjectTable<Font> gFonts;

void FontFree(int number) {
  Font* font = gFonts.Find(number);
  if (!font) return;
  DrawingReleaseFont(font->handle.get());
  gFonts.Remove(number);
}

int DisplayPixelsPerInch() {
  const ScopedWindowDc screen(nullptr);
  return screen ? GetDeviceCaps(screen.get(), LOGPIXELSY) : 0;
}

}  // namespace

intptr_t FontLoad(int number, TextView faceName, int size, uint32_t flags) {
  if (number < kFreshNumber) return 0;
  FontFree(number);
  const int pixelsPerInch = DisplayPixelsPerInch();
  if (pixelsPerInch <= 0) return 0;
  ScopedGdiObject<HFONT> handle(CreateFontA(
      -MulDivRound(size, pixelsPerInch, 72), 0, 0, 0, (flags & kFontBold) ? FW_BOLD : FW_NORMAL,
      (flags & kFontItalic) != 0, (flags & kFontUnderline) != 0, (flags & kFontStrikeOut) != 0, DEFAULT_CHARSET,
      OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, (flags & kFontHighQuality) ? PROOF_QUALITY : DEFAULT_QUALITY,
      DEFAULT_PITCH | FF_DONTCARE, faceName.c_str()));
  if (!handle) return 0;
  int assigned = number;
  Font* font = gFonts.Add(number, &assigned);
  if (!font) return 0;
  font->handle = std::move(handle);
  return number == kFreshNumber ? assigned : reinterpret_cast<intptr_t>(font->handle.get());
}

HFONT FontHandle(int number) {
  const Font* font = gFonts.Find(number);
  return font ? font->handle.get() : nullptr;
}

void FontFreeAll() {
  while (gFonts.Count() > 0) FontFree(gFonts.NumberAt(0));
}
