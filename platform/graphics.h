#pragma once
// Numbered fonts and images, drawing into images, colours and the desktop size.
// Number -1 asks for a fresh number: the creating call then returns that identifier instead of the handle.
#include <windows.h>
#include <cstdint>
#include "platform/text.h"

constexpr uint32_t kFontBold = 0x100;
constexpr uint32_t kFontItalic = 0x200;
constexpr uint32_t kFontUnderline = 4;
constexpr uint32_t kFontStrikeOut = 8;
constexpr uint32_t kFontHighQuality = 0x10;

intptr_t FontLoad(int number, TextView faceName, int size, uint32_t flags);
HFONT FontHandle(int number);
void FontFreeAll();

// A bitmap file in memory ("BM"...) becomes a 32-bit image. size bounds every read; 0 when the caller does not
// know it, and the file's own size field bounds them instead.
HBITMAP ImageLoadFromMemory(int number, const void* address, uint32_t size = 0);
HBITMAP ImageCreate(int number, int width, int height);
// Non-zero when the image has that size afterwards (an image of that size already is left untouched).
int ImageResize(int number, int width, int height);
HBITMAP ImageCopy(int number, int newNumber);
int ImageExists(int number);
HBITMAP ImageHandle(int number);
void ImageFreeAll();

// A drawing target names an image; DrawBegin gives its device context, 0 when the target is not valid.
intptr_t ImageDrawTarget(int number);
HDC DrawBegin(intptr_t target);
void DrawEnd();
void DrawFont(intptr_t fontHandle);
void DrawMode(int mode);
int DrawTextAt(int x, int y, TextView text, uint32_t colour);
void DrawBox(int x, int y, int width, int height, uint32_t colour);

int DesktopExamine();
int DesktopWidth(int index);
int DesktopHeight(int index);
// The desktop's horizontal logical pixels per inch, or 0 when it cannot be read. Like the banner operations it
// reports through the program's last-error text: empty on entry, an error text on failure.
int16_t GetDesktopDpi();
