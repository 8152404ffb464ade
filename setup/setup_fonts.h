#pragma once
// The four setup fonts, sized for the display's resolution.

// Font numbers: the note font is font 0, the others get numbers from the font service.
struct SetupFonts {
  int note;
  int banner;
  int page;
  int credit;
};

// Loads the four fonts in the order note, banner, page, credit; false as soon as one cannot be loaded.
bool SetupFontsLoad(SetupFonts* fonts);
