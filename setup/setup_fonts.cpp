// Each size is scaled by 96 / DPI, so that the setup's fixed pixel layout keeps its proportions.
#include "setup/setup_fonts.h"

#include "platform/graphics.h"
#include "setup/font_scaling.h"
#include "setup/object_numbers.h"
#include "setup/setup_texts.h"

namespace {

constexpr uint32_t kRegular = 0;

int LoadScaled(int number, int baseSize, uint32_t flags, int dpi) {
  const intptr_t loaded = FontLoad(number, kSetupFontFace, ScaledFontSize(baseSize, dpi), flags);
  if (!loaded) return -1;
  return number == kFreshNumber ? static_cast<int>(loaded) : number;
}

}  // namespace

bool SetupFontsLoad(SetupFonts* fonts) {
  const int dpi = GetDesktopDpi();
  fonts->note = LoadScaled(kNoteFont, 8, kRegular, dpi);
  if (fonts->note < 0) return false;
  fonts->banner = LoadScaled(kFreshNumber, 24, kFontBold | kFontItalic | kFontUnderline, dpi);
  if (fonts->banner < 0) return false;
  fonts->page = LoadScaled(kFreshNumber, 10, kFontBold, dpi);
  if (fonts->page < 0) return false;
  fonts->credit = LoadScaled(kFreshNumber, 7, kRegular, dpi);
  return fonts->credit >= 0;
}
