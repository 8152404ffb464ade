#pragma once
// How images, fonts and the open drawing keep each other consistent: a bitmap or font is taken out of the
// drawing before it is deleted, and a bitmap that is selected into the drawing is read through its context.
#include <windows.h>

// Whether the bitmap belongs to a numbered image.
bool ImageHolds(HBITMAP bitmap);
// The open drawing's device context when it draws on this bitmap, else null.
HDC DrawingContextOf(HBITMAP bitmap);
// Ends the open drawing when it draws on this bitmap.
void DrawingRelease(HBITMAP bitmap);
// Gives the open drawing the system font again when it uses this font.
void DrawingReleaseFont(HFONT font);
