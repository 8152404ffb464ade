#include "installer/version_number.h"

Text VersionDigitText(const Text& versionText) {
  return TextLeft(versionText, 1) + TextPadLeft(TextMid(versionText, 3, 2), 3, "0");
}
